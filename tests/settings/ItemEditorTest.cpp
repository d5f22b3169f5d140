#include "launcher/settings/CMainMenuSet.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/Theme.h"
#include "settings/SettingsFixture.h"

namespace tarvo::testing {
namespace {

class ItemEditor : public SettingsFixture {
 protected:
  void OpenEditor() {
    OpenHub();
    TapColumnButton(u"主界面设置");
    ASSERT_TRUE(driver_->WaitForDialog(u"主界面设置"));
  }
  std::vector<WString> ListTitles() {
    std::vector<WString> titles;
    for (const auto& row : driver_->ListRows(CMainMenuSet::kListId).value_or(std::vector<std::vector<WString>>{}))
      titles.push_back(row.at(0));
    return titles;
  }
  // The titles in MainMenu.xml, in file order.
  std::vector<std::string> XmlTitles() {
    std::vector<std::string> titles;
    const std::string xml = MainMenuXml();
    for (size_t at = xml.find("Title=\""); at != std::string::npos; at = xml.find("Title=\"", at + 1)) {
      const size_t start = at + 7;
      titles.push_back(xml.substr(start, xml.find('"', start) - start));
    }
    return titles;
  }
  int Selected() {
    return driver_->Invoke([this] {
      auto* editor = dynamic_cast<CMainMenuSet*>(driver_->GetUi().ActiveWindow());
      return editor ? editor->Selected() : -99;
    });
  }
  bool Changed() { return driver_->Invoke([this] { return app_->LauncherChanged; }); }
};

TEST_F(ItemEditor, MovesStopAtTheEndsAndOtherwiseMoveListItemsAndFileAlike) {
  Launch();
  OpenEditor();
  TapControl(CMainMenuSet::kMoveUpId);
  ExpectBox(u"请选择一项再上移!", ui::kOkCaption, u"提示");
  TapRow(CMainMenuSet::kListId, 0);
  TapControl(CMainMenuSet::kMoveUpId);
  ExpectBox(u"已经位于第一行!");
  const int last = static_cast<int>(ListTitles().size()) - 1;
  TapRow(CMainMenuSet::kListId, last);
  TapControl(CMainMenuSet::kMoveDownId);
  ExpectBox(u"已经位于最末行!");
  EXPECT_FALSE(Changed());

  TapRow(CMainMenuSet::kListId, 0);
  TapControl(CMainMenuSet::kMoveDownId);
  driver_->Sync();
  EXPECT_EQ(Selected(), 1);
  const std::vector<WString> titles = ListTitles();
  EXPECT_EQ(titles[0], u"热点视频");
  EXPECT_EQ(titles[1], u"视频搜索");
  EXPECT_EQ(Titles(), titles);
  const auto xml = XmlTitles();
  ASSERT_EQ(xml.size(), titles.size());
  for (size_t i = 0; i < xml.size(); ++i) EXPECT_EQ(xml[i], ToUtf8(titles[i]));
  EXPECT_TRUE(Changed());
  TapControl(CMainMenuSet::kMoveUpId);
  driver_->Sync();
  EXPECT_EQ(XmlTitles().front(), "视频搜索");
}

TEST_F(ItemEditor, TwoItemsWithOneTitleMoveAndDeleteByPosition) {
  // Two "电话" items that start different programs.
  WritePhoneFile("Program Files/Tarvo/temp/MainMenu.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Normal>"
                 "<a Title=\"电话\" ext=\"1\"><IconPath /><ExePath>\\Windows\\cprog.exe</ExePath></a>"
                 "<a Title=\"设置\" ext=\"0\"><IconPath /><ExePath /></a>"
                 "<a Title=\"电话\" ext=\"1\"><IconPath /><ExePath>\\Windows\\camera.exe</ExePath></a>"
                 "<a Title=\"退出\" ext=\"0\"><IconPath /><ExePath /></a></Normal>");
  Launch();
  OpenEditor();
  TapRow(CMainMenuSet::kListId, 2);
  TapControl(CMainMenuSet::kMoveUpId);
  driver_->Sync();
  // The second "电话" (camera) moved, not the first one.
  std::string xml = MainMenuXml();
  EXPECT_LT(xml.find("camera.exe"), xml.find("设置"));
  EXPECT_LT(xml.find("cprog.exe"), xml.find("camera.exe"));
  TapControl(CMainMenuSet::kDeleteId);  // deletes row 1, the camera item
  driver_->Sync();
  xml = MainMenuXml();
  EXPECT_EQ(xml.find("camera.exe"), std::string::npos);
  EXPECT_NE(xml.find("cprog.exe"), std::string::npos);
  const auto items = driver_->Invoke([this] { return app_->LauncherItems; });
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].ExePath, u"\\Windows\\cprog.exe");
}

TEST_F(ItemEditor, SettingsAndExitCannotBeDeletedOtherItemsCan) {
  Launch();
  OpenEditor();
  TapControl(CMainMenuSet::kDeleteId);
  ExpectBox(u"请选择一项再删除!", ui::kOkCaption, u"提示");
  const std::vector<WString> titles = ListTitles();
  const int settings = static_cast<int>(std::find(titles.begin(), titles.end(), u"设置") - titles.begin());
  const int exit = static_cast<int>(titles.size()) - 1;
  ASSERT_EQ(titles[static_cast<size_t>(exit)], u"退出");
  TapRow(CMainMenuSet::kListId, settings);
  TapControl(CMainMenuSet::kDeleteId);
  ExpectBox(u"警告：此项不可删除！", ui::kOkCaption, u"Tarvo");
  TapRow(CMainMenuSet::kListId, exit);
  TapControl(CMainMenuSet::kDeleteId);
  ExpectBox(u"警告：此项不可删除！");
  EXPECT_EQ(ListTitles(), titles);
  EXPECT_FALSE(Changed());

  // Deleting the row before the last selects the row now in its place: "退出".
  TapRow(CMainMenuSet::kListId, exit - 1);
  TapControl(CMainMenuSet::kDeleteId);
  driver_->Sync();
  EXPECT_EQ(ListTitles().size(), titles.size() - 1);
  EXPECT_EQ(Selected(), exit - 1);
  EXPECT_EQ(XmlTitles().size(), titles.size() - 1);
  EXPECT_EQ(MainMenuXml().find(ToUtf8(titles[static_cast<size_t>(exit - 1)])), std::string::npos);
  // The built-in tools go like any other item.
  TapRow(CMainMenuSet::kListId, 0);
  TapControl(CMainMenuSet::kDeleteId);
  driver_->Sync();
  EXPECT_EQ(MainMenuXml().find("视频搜索"), std::string::npos);
}

TEST_F(ItemEditor, ARefusedActionAfterAChangeStillLetsTheLauncherRelayout) {
  Launch();
  const size_t before = Titles().size();
  OpenEditor();
  TapRow(CMainMenuSet::kListId, 1);
  TapControl(CMainMenuSet::kDeleteId);
  driver_->Sync();
  // Select nothing, then a refused delete and a refused restore.
  driver_->Invoke([this] {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), CMainMenuSet::kListId));
    list->SetSelected(-1);
    list->NotifyParent(ui::kSelectionChanged);
  });
  TapControl(CMainMenuSet::kDeleteId);
  ExpectBox(u"请选择一项再删除!");
  TapControl(CMainMenuSet::kDefaultId);
  ExpectBox(u"确定要恢复默认菜单布局吗？", ui::kNoCaption);
  EXPECT_TRUE(Changed());
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  TapColumnButton(u"返回");
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  EXPECT_EQ(driver_->Invoke([this] { return app_->Layout->CellRects().size(); }), before - 1);
}

TEST_F(ItemEditor, RestoringTheDefaultsRebuildsListAndFile) {
  Launch();
  OpenEditor();
  TapRow(CMainMenuSet::kListId, 0);
  TapControl(CMainMenuSet::kDeleteId);
  driver_->Sync();
  TapControl(CMainMenuSet::kDefaultId);
  ExpectBox(u"确定要恢复默认菜单布局吗？", ui::kYesCaption, u"Tarvo");
  ExpectBox(u"已成功恢复默认菜单布局。");
  EXPECT_EQ(ListTitles().front(), u"视频搜索");
  EXPECT_EQ(XmlTitles().front(), "视频搜索");
  EXPECT_EQ(Selected(), -1);
}

TEST_F(ItemEditor, AddingAProgramTakesItsNameUpToTheFirstDot) {
  Launch();
  const size_t before = Titles().size();
  OpenEditor();
  TapControl(CMainMenuSet::kAddId);
  ASSERT_TRUE(driver_->WaitForDialog(u"选择需要添加的程序"));
  EXPECT_EQ(driver_->Invoke([this] {
    auto* chooser = dynamic_cast<ui::FileChooserDialog*>(driver_->GetUi().ActiveWindow());
    return chooser ? chooser->Folder() : WString();
  }), u"\\Windows\\“开始”菜单\\程序");
  ChooseInFileChooser({u"Solitaire.game.lnk"});
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面设置"));
  EXPECT_EQ(ListTitles().back(), u"Solitaire");
  const auto items = driver_->Invoke([this] { return app_->LauncherItems; });
  ASSERT_EQ(items.size(), before + 1);
  EXPECT_EQ(items.back().Kind, kProgramItem);
  EXPECT_EQ(items.back().ExePath, u"\\Windows\\“开始”菜单\\程序\\Solitaire.game.lnk");
  EXPECT_NE(MainMenuXml().find("<ExePath>\\Windows\\“开始”菜单\\程序\\Solitaire.game.lnk</ExePath>"), std::string::npos);
  EXPECT_TRUE(Changed());

  // Cancelling the chooser adds nothing.
  TapControl(CMainMenuSet::kAddId);
  ASSERT_TRUE(driver_->WaitForDialog(u"选择需要添加的程序"));
  ASSERT_TRUE(driver_->PickMenuItem({ui::FileChooserDialog::kCancelCaption}));
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面设置"));
  EXPECT_EQ(Titles().size(), before + 1);
}

TEST_F(ItemEditor, TheBackgroundChangesToAGoodPictureAndStaysOnABrokenOne) {
  Launch();
  const std::string picture = PhoneFile("Program Files/Tarvo/TarvoImage/Tarvo_Search.png");
  WritePhoneFile("My Pictures/good.png", picture);
  WritePhoneFile("My Pictures/broken.jpg", "not a picture at all");
  OpenEditor();
  ASSERT_TRUE(driver_->PickMenuItem({u"更换背景"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"选择图片"));
  ChooseInFileChooser({u"My Pictures", u"broken.jpg"});
  ExpectBox(u"图片加载失败，可能图片尺寸太大或格式不正确！");
  EXPECT_EQ(ConfigFile().find("MainMenuBackImage"), std::string::npos);
  const int oldWidth = driver_->Invoke([this] { return app_->BackgroundBitmap.Width(); });

  ASSERT_TRUE(driver_->PickMenuItem({u"更换背景"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"选择图片"));
  ChooseInFileChooser({u"My Pictures", u"good.png"});
  ExpectBox(u"更换背景成功！");
  EXPECT_NE(ConfigFile().find("[MainMenuBackImage]\r\npath=\\My Pictures\\good.png"), std::string::npos);
  EXPECT_NE(driver_->Invoke([this] { return app_->BackgroundBitmap.Width(); }), oldWidth);
  // Back on the launcher the new picture shows behind the grid.
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  TapColumnButton(u"返回");
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  SaveScreen("launcher-after-background-change");
}

TEST_F(ItemEditor, TheMenuSwitchesTemplatesAndRefillsTheList) {
  Launch();
  OpenEditor();
  ASSERT_TRUE(driver_->PickMenuItem({u"菜单", u"办公模式"}));
  ExpectBox(u"确定将Tarvo切换到办公模式吗？", ui::kYesCaption);
  ExpectBox(u"成功切换到办公模式。");
  EXPECT_EQ(ListTitles().front(), u"电话");
  ASSERT_TRUE(driver_->PickMenuItem({u"菜单", u"办公模式"}));
  ExpectBox(u"已经是办公模式了。");
}

TEST_F(ItemEditor, TheButtonsSitAtTheBottomOfTheDialogAboveTheMenuBar) {
  Launch();
  OpenEditor();
  driver_->Sync();
  const auto rects = driver_->Invoke([this] {
    std::vector<ui::Rect> rects;
    ui::Window* editor = driver_->GetUi().ActiveWindow();
    for (int id = CMainMenuSet::kMoveUpId; id <= CMainMenuSet::kDefaultId; ++id)
      rects.push_back(editor->FindChild(id)->ScreenRect());
    rects.push_back(editor->ScreenRect());
    return rects;
  });
  const ui::Rect dialog = rects.back();
  for (size_t i = 0; i + 1 < rects.size(); ++i) {
    EXPECT_EQ(rects[i].bottom, dialog.bottom);
    EXPECT_LE(rects[i].right, 240);
  }
  // The soft-key bar lies below the dialog, so nothing covers the buttons.
  EXPECT_EQ(driver_->Screenshot().ColorAt(rects[0].left + 2, rects[0].bottom + 2), ui::theme::kMenuBar);
  SaveScreen("items-buttons");
}

}  // namespace
}  // namespace tarvo::testing

namespace tarvo::testing {
namespace {

class ItemEditorRotation : public SettingsFixture {};

TEST_F(ItemEditorRotation, AfterARotationTheListAndButtonsFitTheNewScreen) {
  Launch(240, 320);
  OpenHub();
  TapColumnButton(u"主界面设置");
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面设置"));
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  const auto shown = driver_->Invoke([this] {
    ui::Window* editor = driver_->GetUi().ActiveWindow();
    auto* list = dynamic_cast<ui::ListView*>(editor->FindChild(CMainMenuSet::kListId));
    return std::tuple{editor->ScreenRect(), editor->FindChild(CMainMenuSet::kDefaultId)->ScreenRect(),
                      list->ColumnWidth(0), app_->Metrics.ScrollBarWidth};
  });
  EXPECT_EQ(std::get<0>(shown).Width(), 320);
  EXPECT_EQ(std::get<1>(shown).bottom, std::get<0>(shown).bottom);
  EXPECT_EQ(std::get<2>(shown), 320 - std::get<3>(shown));
  // The full-screen hub and launcher below do not take the editor's top bar away.
  EXPECT_TRUE(driver_->Invoke([this] { return driver_->GetUi().Frame().TaskbarShown(); }));
  SaveScreen("items-320x240");
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  EXPECT_FALSE(driver_->Invoke([this] { return driver_->GetUi().Frame().TaskbarShown(); }));
}

}  // namespace
}  // namespace tarvo::testing
