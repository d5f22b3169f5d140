// The site directory, its editor and the site dialog walked as a user walks them.
#include "sites/screens/CSiteSwarm.h"
#include "sites/screens/CSiteSwarmSet.h"
#include "tv_screens/TvScreensFixture.h"

namespace tarvo::testing {
namespace {

constexpr int kGrid = 998;

class Sites : public TvScreensFixture {
 protected:
  void OpenDirectory() {
    StartItem(u"网站云集");
    ASSERT_TRUE(driver_->WaitForDialog(u"网站云集"));
  }
  void OpenEditor() {
    ASSERT_TRUE(driver_->PickMenuItem({u"设置"}));
    ASSERT_TRUE(driver_->WaitForDialog(u"网站云集设置"));
  }
  void WriteSites(const std::string& entries) {
    WritePhoneFile("Program Files/Tarvo/temp/TarvoSiteswarm.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Normal>\n" + entries + "</Normal>\n");
  }
  int GridColumns() {
    return driver_->Invoke([this] {
      auto* grid = dynamic_cast<CSiteSwarm*>(driver_->GetUi().ActiveWindow());
      return grid ? grid->Columns() : -1;
    });
  }
  // The grid's rows, each its cells' texts.
  std::vector<std::vector<WString>> Cells() { return driver_->ListRows(kGrid).value_or(std::vector<std::vector<WString>>{}); }
  int EditorSelected() {
    return driver_->Invoke([this] {
      auto* editor = dynamic_cast<CSiteSwarmSet*>(driver_->GetUi().ActiveWindow());
      return editor ? editor->Selected() : -99;
    });
  }
  void TapCell(int row, int column) {
    auto point = driver_->Invoke([this, row, column]() -> std::optional<ui::Point> {
      auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), kGrid));
      if (list == nullptr || row >= list->ItemCount()) return std::nullopt;
      list->EnsureVisible(row);
      const ui::Rect r = list->SubItemRect(row, column);
      return list->ToScreen(ui::Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    });
    ASSERT_TRUE(point.has_value());
    driver_->Tap(*point);
    driver_->Sync();
  }
};

TEST_F(Sites, AFirstOpeningSeedsTheDirectoryInTwoColumnsAndATapOpensTheSite) {
  PrepareDevice(0);
  LaunchPrepared();
  OpenDirectory();
  EXPECT_EQ(GridColumns(), 2);
  const auto cells = Cells();
  ASSERT_EQ(cells.size(), 19u);  // 37 sites, two a row
  EXPECT_EQ(cells[0], (std::vector<WString>{u"Tarvo更新", u"Google"}));
  EXPECT_EQ(cells[18][0], u"NBA中文网");
  EXPECT_NE(SitesXml().find("<a id=\"百　度\">"), std::string::npos);
  EXPECT_EQ(driver_->SoftKeys(), (std::vector<WString>{u"设置"}));
  TapCell(0, 1);
  EXPECT_NE(LaunchLog().find("google"), std::string::npos) << LaunchLog();
  TapCell(18, 1);  // the empty cell beside the last site opens nothing
  EXPECT_EQ(LaunchLog().find("nba", 0) == std::string::npos, true);
  Shot("sites-grid-240x320");
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(BackAtLauncher());
}

TEST_F(Sites, ColumnsFollowTheScreenAndARotationPlacesTheSitesAgain) {
  PrepareDevice(0);
  WriteSites("<a id=\"A\">http://a</a><a id=\"B\">http://b</a><a id=\"C\">http://c</a><a id=\"D\">http://d</a>\n");
  LaunchPrepared(320, 240);
  OpenDirectory();
  EXPECT_EQ(GridColumns(), 3);
  EXPECT_EQ(Cells(), (std::vector<std::vector<WString>>{{u"A", u"B", u"C"}, {u"D", u"", u""}}));
  TapCell(0, 0);
  Shot("sites-grid-320x240");
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  EXPECT_EQ(GridColumns(), 2);
  EXPECT_EQ(Cells(), (std::vector<std::vector<WString>>{{u"A", u"B"}, {u"C", u"D"}}));
  // The cell that held D before is empty now and opens nothing.
  TapCell(1, 0);
  EXPECT_NE(LaunchLog().find("http://c"), std::string::npos);
  EXPECT_EQ(LaunchLog().find("http://d"), std::string::npos);
}

TEST_F(Sites, AnUnreadableFileIsSaidAndTheDirectoryStaysEmpty) {
  PrepareDevice(0);
  WritePhoneFile("Program Files/Tarvo/temp/TarvoSiteswarm.xml", "<Normal><a");
  LaunchPrepared();
  StartItem(u"网站云集");
  ExpectBox(u"Can not open the file: TarvoSiteswarm.xml.", ui::kOkCaption, u"Tarvo");
  ASSERT_TRUE(driver_->WaitForDialog(u"网站云集"));
  EXPECT_TRUE(Cells().empty());
}

TEST_F(Sites, TheEditorWalksEveryButtonAndOkRebuildsTheGrid) {
  PrepareDevice(0);
  WriteSites("<a id=\"甲\">http://a.cn</a>\n<a id=\"乙\">http://b.cn</a>\n");
  LaunchPrepared();
  OpenDirectory();
  OpenEditor();
  EXPECT_EQ(driver_->ListRows(kGrid), (std::vector<std::vector<WString>>{{u"甲", u"a.cn"}, {u"乙", u"b.cn"}}));
  for (auto [id, text] : std::vector<std::pair<int, const char16_t*>>{{1051, u"请选择一项再修改!"},
                                                                      {992, u"请选择一项再删除!"},
                                                                      {1015, u"请选择一项再上移!"},
                                                                      {1016, u"请选择一项再下移!"}}) {
    TapControl(id);
    ExpectBox(text, ui::kOkCaption, u"提示");
  }
  TapControl(1028);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  EXPECT_EQ(driver_->ControlText(1004), u"http://");
  TapControl(1023);
  ExpectBox(u"网站名不能为空!", ui::kOkCaption, u"提示");
  TypeInto(1000, u"丙");
  TypeInto(1004, u"");
  TapControl(1023);
  ExpectBox(u"网址不能为空!");
  for (const char16_t* bad : {u"HTTP://c.cn", u"https://c.cn"}) {
    TypeInto(1004, bad);
    TapControl(1023);
    ExpectBox(u"网址格式有误!");
  }
  TypeInto(1004, u"http://c.cn");
  Shot("sites-add-240x320");
  TapControl(1023);
  ExpectBox(u"保存成功!", ui::kOkCaption, u"提示");
  ASSERT_TRUE(driver_->WaitForDialog(u"网站云集设置"));
  EXPECT_NE(SitesXml().find("<a id=\"丙\">http://c.cn</a>"), std::string::npos);
  // Modify, cancelled: nothing changes, and the add still rebuilds the grid.
  TapRow(kGrid, 0);
  TapControl(1051);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  EXPECT_EQ(driver_->ControlText(1000), u"甲");
  TapControl(1022);
  ASSERT_TRUE(driver_->WaitForDialog(u"网站云集设置"));
  TapControl(1015);
  ExpectBox(u"已经位于第一行!");
  TapRow(kGrid, 2);
  TapControl(1016);
  ExpectBox(u"已经位于最末行!");
  TapControl(1015);
  driver_->Sync();
  EXPECT_EQ(EditorSelected(), 1);
  EXPECT_LT(SitesXml().find("丙"), SitesXml().find("乙"));
  Shot("sites-editor-240x320");
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"网站云集"));
  EXPECT_EQ(Cells(), (std::vector<std::vector<WString>>{{u"甲", u"丙"}, {u"乙", u""}}));
}

TEST_F(Sites, DeletingTheLastAndTheOnlySiteAndCancelKeepsTheOldGrid) {
  PrepareDevice(0);
  WriteSites("<a id=\"甲\">http://a.cn</a>\n<a id=\"乙\">http://b.cn</a>\n");
  LaunchPrepared();
  OpenDirectory();
  OpenEditor();
  TapRow(kGrid, 1);
  TapControl(992);
  driver_->Sync();
  EXPECT_EQ(EditorSelected(), 0);
  TapControl(992);
  driver_->Sync();
  EXPECT_EQ(EditorSelected(), -1);
  EXPECT_EQ(SitesXml().find("<a "), std::string::npos);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"网站云集"));
  // Cancel does not rebuild: the visible cell still opens a site the file no longer holds.
  EXPECT_EQ(Cells(), (std::vector<std::vector<WString>>{{u"甲", u"乙"}}));
  TapCell(0, 1);
  EXPECT_NE(LaunchLog().find("http://b.cn"), std::string::npos);
}

TEST_F(Sites, ASameNameModifyRenamesEveryRowAndALaterDeleteRemovesTheRightSite) {
  PrepareDevice(0);
  WriteSites("<a id=\"同\">http://a.cn</a>\n<a id=\"别\">http://b.cn</a>\n<a id=\"同\">http://c.cn</a>\n");
  LaunchPrepared();
  OpenDirectory();
  OpenEditor();
  TapRow(kGrid, 2);
  TapControl(1051);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  TypeInto(1000, u"新");
  TypeInto(1004, u"http://n.cn");
  TapControl(1023);
  ExpectBox(u"保存成功!");
  ASSERT_TRUE(driver_->WaitForDialog(u"网站云集设置"));
  EXPECT_EQ(driver_->ListRows(kGrid),
            (std::vector<std::vector<WString>>{{u"新", u"n.cn"}, {u"别", u"b.cn"}, {u"新", u"n.cn"}}));
  EXPECT_EQ(SitesXml().find("同"), std::string::npos) << SitesXml();
  TapRow(kGrid, 1);
  TapControl(992);
  driver_->Sync();
  EXPECT_EQ(SitesXml().find("别"), std::string::npos);
  EXPECT_NE(SitesXml().find("新"), std::string::npos);
}

TEST_F(Sites, TheInputPanelShortensTheEditorsListAndTheButtonsFollow) {
  PrepareDevice(0);
  LaunchPrepared(480, 800);
  OpenDirectory();
  Shot("sites-grid-480x800");
  EXPECT_EQ(GridColumns(), 2);
  OpenEditor();
  auto bottoms = [this] {
    return driver_->Invoke([this] {
      ui::Window* top = driver_->GetUi().ActiveWindow();
      return std::pair{FindDescendant(top, kGrid)->ScreenRect().bottom, FindDescendant(top, 1015)->ScreenRect().top};
    });
  };
  const auto before = bottoms();
  driver_->Invoke([this] { driver_->GetUi().ShowInputPanel(true); });
  driver_->Sync();
  const auto shrunk = bottoms();
  const int panel = driver_->Invoke([this] { return driver_->GetUi().Frame().InputPanelHeight(); });
  EXPECT_EQ(shrunk.first, before.first - panel);
  EXPECT_EQ(shrunk.second, shrunk.first);
  Shot("sites-editor-panel-480x800");
  driver_->Invoke([this] { driver_->GetUi().ShowInputPanel(false); });
  driver_->Sync();
  EXPECT_EQ(bottoms(), before);
}

}  // namespace
}  // namespace tarvo::testing
