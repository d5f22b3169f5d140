#include "launcher/controls/OpenUrl.h"
#include "launcher/controls/PageButtons.h"
#include "launcher/settings/CButtonStyleSet.h"
#include "launcher/settings/CIESet.h"
#include "settings/SettingsFixture.h"

namespace tarvo::testing {
namespace {

class BrowserSetting : public SettingsFixture {
 protected:
  void OpenBrowserSetting() {
    OpenHub();
    TapColumnButton(u"浏览器设置");
    ASSERT_TRUE(driver_->WaitForDialog(u"浏览器设置"));
  }
  void SetPath(WStringView path) {
    driver_->Invoke([this, path = WString(path)] {
      auto* edit = FindDescendant(driver_->GetUi().ActiveWindow(), CIESet::kPathId);
      edit->SetText(u"");
      edit->SetFocus();
    });
    driver_->Type(path);
    driver_->Sync();
  }
};

TEST_F(BrowserSetting, SavingChecksThePathAndWritesOnlyGoodOnes) {
  Launch();
  WritePhoneFile("Program Files/UCWEB/ucweb.exe", "browser");
  OpenBrowserSetting();
  EXPECT_EQ(driver_->ControlText(CIESet::kPathId), WString());
  SetPath(u"\\Program Files\\Missing\\browser.exe");
  TapControl(CIESet::kSaveId);
  ExpectBox(u"路径不存在！", ui::kOkCaption, u"Tarvo");
  EXPECT_EQ(ConfigFile().find("BrowserPath"), std::string::npos);
  SetPath(u"\\Program Files\\UCWEB");
  TapControl(CIESet::kSaveId);
  ExpectBox(u"路径错误，不能为文件夹！需指定浏览器exe的路径。");
  EXPECT_EQ(ConfigFile().find("BrowserPath"), std::string::npos);
  SetPath(u"\\Program Files\\UCWEB\\ucweb.exe");
  TapControl(CIESet::kSaveId);
  ExpectBox(u"保存成功！");
  EXPECT_NE(ConfigFile().find("[BrowserPath]\r\npath=\\Program Files\\UCWEB\\ucweb.exe"), std::string::npos);
  SetPath(u"");
  TapControl(CIESet::kSaveId);
  ExpectBox(u"浏览器成功设置为IE！");
  EXPECT_NE(ConfigFile().find("[BrowserPath]\r\npath=\r\n"), std::string::npos);
}

TEST_F(BrowserSetting, FindFillsTheEditAndTestOpensTheProgram) {
  Launch();
  WritePhoneFile("Program Files/UCWEB/ucweb.exe", "browser");
  WritePhoneFile("Program Files/UCWEB/readme.txt", "not a program");
  OpenBrowserSetting();
  TapControl(CIESet::kTestId);
  ExpectBox(u"路径为空！");
  TapControl(CIESet::kFindId);
  ASSERT_TRUE(driver_->WaitForDialog(u"选择浏览器路径"));
  // Only programs are offered.
  auto rows = driver_->ListRows(200);
  ChooseInFileChooser({u"Program Files", u"UCWEB"});
  rows = driver_->ListRows(200);
  ASSERT_TRUE(rows.has_value());
  for (const auto& row : *rows) EXPECT_NE(row.at(0), u"readme.txt");
  ChooseInFileChooser({u"ucweb.exe"});
  ASSERT_TRUE(driver_->WaitForDialog(u"浏览器设置"));
  EXPECT_EQ(driver_->ControlText(CIESet::kPathId), WString(u"\\Program Files\\UCWEB\\ucweb.exe"));
  TapControl(CIESet::kTestId);
  EXPECT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("\topen\t\\Program Files\\UCWEB\\ucweb.exe") != std::string::npos; }));
}

class OpenUrlTest : public SettingsFixture {
 protected:
  void Open(WStringView url) {
    driver_->Invoke([this, url = WString(url)] { OpenUrl(*app_, url); });
  }
  void SetBrowser(WStringView path) {
    driver_->Invoke([this, path = WString(path)] {
      app_->Config().WriteString(u"BrowserPath", u"path", path, app_->ConfigPath);
    });
  }
};

TEST_F(OpenUrlTest, TheChosenBrowserGetsTheAddressAsItsOneArgument) {
  Launch();
  WritePhoneFile("Program Files/UCWEB/ucweb.exe", "browser");
  SetBrowser(u"\\Program Files\\UCWEB\\ucweb.exe");
  Open(u"http://127.0.0.1:28080/a page?x=1&y=\"2\"");
  const std::string log = LaunchLog();
  EXPECT_NE(log.find("\tprocess\t\\Program Files\\UCWEB\\ucweb.exe\thttp://127.0.0.1:28080/a page?x=1&y=\"2\"\t"),
            std::string::npos) << log;
  EXPECT_EQ(log.find("\topen\t"), std::string::npos);
}

TEST_F(OpenUrlTest, AMissingBrowserFallsBackToTheShell) {
  Launch();
  SetBrowser(u"\\Program Files\\Gone\\browser.exe");
  Open(u"HTTPS://example.test/");
  const std::string log = LaunchLog();
  EXPECT_NE(log.find("\tprocess\t\\Program Files\\Gone\\browser.exe"), std::string::npos);
  EXPECT_NE(log.find("\topen\tHTTPS://example.test/"), std::string::npos) << log;
}

TEST_F(OpenUrlTest, OnV9WithoutASettingUcIsUsedWhenInstalled) {
  device_ = testing::OpenTestDevice(dir_.File("phone"));
  device_->GetRegistry().SetString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\VERSION", u"VERSION",
                                   u"Phone V9");
  device_.reset();
  Launch();
  Open(u"rtsp://stream.test/live");
  EXPECT_NE(LaunchLog().find("\topen\trtsp://stream.test/live"), std::string::npos);  // no UC yet
  WritePhoneFile("Windows/ucweb.exe", "browser");
  Open(u"mms://stream.test/live");
  const std::string log = LaunchLog();
  EXPECT_NE(log.find("\tprocess\t\\Windows\\ucweb.exe\tmms://stream.test/live"), std::string::npos) << log;
  EXPECT_EQ(log.find("\topen\tmms://"), std::string::npos);
}

TEST_F(OpenUrlTest, AddressesThatAreNotWebOrStreamAddressesAreNotOpened) {
  Launch();
  for (const char16_t* url : {u"file:///etc/passwd", u"\\Windows\\cprog.exe", u"javascript:alert(1)", u"", u"http:/x",
                              u" http://x.test/"})
    Open(url);
  EXPECT_EQ(LaunchLog(), "");
  EXPECT_TRUE(IsOpenableUrl(u"Http://x.test"));
  EXPECT_FALSE(IsOpenableUrl(u"ftp://x.test"));
}

class ButtonStyle : public SettingsFixture {
 protected:
  void OpenChooser() {
    OpenHub();
    TapColumnButton(u"按钮风格设置");
    ASSERT_TRUE(driver_->WaitForDialog(u"按钮风格"));
  }
};

TEST_F(ButtonStyle, ATapAsksAndOkStoresTheStyleWhileCancelKeepsIt) {
  Launch();
  OpenChooser();
  auto rows = driver_->ListRows(CButtonStyleSet::kListId);
  ASSERT_TRUE(rows.has_value());
  ASSERT_EQ(rows->size(), 7u);
  EXPECT_EQ(rows->at(1).at(0), u"绿色心情");
  EXPECT_EQ(driver_->ControlText(CButtonStyleSet::kLabelId), WString(u"视频搜索和笑口常开的按钮风格："));
  TapRow(CButtonStyleSet::kListId, 1);
  auto box = driver_->WaitForMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->buttons, (std::vector<WString>{ui::kOkCaption, ui::kCancelCaption}));
  ExpectBox(u"翻页按钮将采用该风格。", ui::kOkCaption, u"确认");
  ExpectBox(u"设置成功！");
  EXPECT_NE(ConfigFile().find("[PageButtonStyle]\r\nstyle=1"), std::string::npos);
  EXPECT_EQ(driver_->Invoke([this] { return app_->Metrics.PageButtonStyle; }), 1);
  TapRow(CButtonStyleSet::kListId, 3);
  ExpectBox(u"翻页按钮将采用该风格。", ui::kCancelCaption);
  EXPECT_NE(ConfigFile().find("[PageButtonStyle]\r\nstyle=1"), std::string::npos);
  EXPECT_EQ(driver_->Invoke([this] { return app_->Metrics.PageButtonStyle; }), 1);
}

TEST_F(ButtonStyle, EveryStyleShowsItsRightPicture) {
  Launch();
  OpenChooser();
  driver_->Sync();
  EXPECT_TRUE(driver_->Invoke([this] {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), CButtonStyleSet::kListId));
    for (int row = 0; row < list->ItemCount(); ++row)
      if (list->GetItemImage(row) != row) return false;
    return list->GetImageList() && list->GetImageList()->Width() == 27 && list->GetImageList()->Height() == 22;
  }));
}

TEST(PageButtonPictures, FileNamesFollowTheStyleAndTheResolutionClass) {
  auto small = PageButtonPictures(1, 1, u"\\P\\");
  ASSERT_TRUE(small.has_value());
  EXPECT_EQ(small->first, u"\\P\\TarvoImage\\Green_Left_Small.png");
  EXPECT_EQ(small->second, u"\\P\\TarvoImage\\Green_Right_Small.png");
  auto large = PageButtonPictures(1, 7, u"\\P\\");
  EXPECT_EQ(large->first, u"\\P\\TarvoImage\\Green_Left.png");
  EXPECT_EQ(PageButtonPictures(6, 3, u"\\P\\")->second, u"\\P\\TarvoImage\\Red_Right.png");
  EXPECT_FALSE(PageButtonPictures(9, 1, u"\\P\\").has_value());
  EXPECT_FALSE(PageButtonPictures(-1, 1, u"\\P\\").has_value());
}

TEST_F(ButtonStyle, AStoredStyleOutsideTheTableLeavesThePageButtonsBare) {
  Launch();
  driver_->Invoke([this] {
    app_->Config().WriteInt(u"PageButtonStyle", u"style", 9, app_->ConfigPath);
  });
  const auto pictures = driver_->Invoke([this] {
    EXPECT_EQ(EnsurePageButtonStyle(app_->Metrics, app_->Config(), app_->ConfigPath), 9);
    ui::Dialog host(driver_->GetUi(), u"host");
    host.CreateModeless();
    CImageButtonEx left, right;
    left.Create(&host, ui::Rect{0, 0, 27, 22}, 1);
    right.Create(&host, ui::Rect{30, 0, 57, 22}, 2);
    SetPageButtonImages(left, right, 0, 1, app_->ProgramDir, app_->ImagingFactory, app_->GetDevice().Files());
    const bool styled = left.HasNormalImage() && right.HasNormalImage();
    SetPageButtonImages(left, right, app_->Metrics.PageButtonStyle, 1, app_->ProgramDir, app_->ImagingFactory,
                        app_->GetDevice().Files());
    return std::pair{styled, left.HasNormalImage() || right.HasNormalImage()};
  });
  EXPECT_TRUE(pictures.first);
  EXPECT_FALSE(pictures.second);
}

}  // namespace
}  // namespace tarvo::testing
