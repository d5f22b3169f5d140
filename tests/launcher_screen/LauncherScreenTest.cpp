#include <gtest/gtest.h>

#include <filesystem>

#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"
#include "launcher/StartShortcut.h"
#include "platform/text/CodePage.h"
#include "support/TestDevice.h"
#include "support/TempDir.h"
#include "tools/SystemHelpers.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo {
namespace {

using ui::Point;

// A launcher on a throwaway device, driven headless.
class LauncherScreenTest : public ::testing::Test {
 protected:
  void Launch(int width = 240, int height = 320, bool v9 = false) {
    device_ = testing::OpenTestDevice(dir_.File("phone"));
    ASSERT_TRUE(device_);
    if (v9)
      device_->GetRegistry().SetString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\VERSION",
                                       u"VERSION", u"Phone V9");
    driver_ = std::make_unique<testing::ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    driver_->Start([this] {
      result_ = app_->InitInstance([this] {
        CTarvoDlg launcher(*app_);
        launcher_ = &launcher;
        const int code = launcher.DoModal();
        launcher_ = nullptr;
        return code;
      });
      finished_ = true;
    });
  }
  bool WaitForLauncher() {
    return driver_->WaitFor([this] { return launcher_ != nullptr && launcher_->IsVisible(); });
  }
  void TearDown() override {
    if (driver_) {
      driver_->GetUi().Quit();
      driver_.reset();  // joins the UI thread once the launcher has returned
    }
  }
  int Offset() { return driver_->Invoke([this] { return launcher_ ? launcher_->ScrollOffset() : 9999; }); }
  std::string LaunchLog() { return dir_.Read("phone/launch.log"); }
  long LaunchCount() {
    const std::string log = LaunchLog();
    return std::count(log.begin(), log.end(), '\n');
  }
  // A press, a pause long enough to count as a drag, moves, and a release.
  void DragBy(Point from, std::vector<int> dys) {
    driver_->PenDown(from);
    driver_->AdvanceTime(60);
    Point at = from;
    for (int dy : dys) {
      at.y += dy;
      driver_->PenMove(at);
    }
    driver_->PenUp(at);
    driver_->Sync();
  }

  testing::TempDir dir_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<testing::ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* launcher_ = nullptr;
  int result_ = -2;
  bool finished_ = false;
};

TEST_F(LauncherScreenTest, ATapStartsTheItemUnderIt) {
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  driver_->Tap(Point{205, 100});  // "电话", fourth column of the second row
  EXPECT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("\\Windows\\cprog.exe") != std::string::npos; }));
  driver_->Tap(Point{30, 100});  // "网站云集": a tool not built yet does nothing
  driver_->Tap(Point{62, 40});   // between two icons: nothing
  driver_->Tap(Point{90, 170});  // "联系人"
  EXPECT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("\tcontacts\t") != std::string::npos; }));
  EXPECT_EQ(LaunchCount(), 2);
}

TEST_F(LauncherScreenTest, DraggingScrollsAndTheGridSpringsBack) {
  Launch(240, 320, true);  // the V9 set has 18 items: five rows, 372 pixels
  ASSERT_TRUE(WaitForLauncher());
  DragBy(Point{100, 200}, {-10});
  EXPECT_EQ(Offset(), -52);  // it rests at its end, never in between
  DragBy(Point{100, 100}, {60, 60, 52});
  EXPECT_EQ(Offset(), 70);  // 120 past the top, one step of 50 at release
  driver_->AdvanceTime(10);
  EXPECT_EQ(Offset(), 20);
  driver_->AdvanceTime(10);
  EXPECT_EQ(Offset(), 0);
  EXPECT_TRUE(LaunchLog().empty());  // drags start nothing
}

TEST_F(LauncherScreenTest, OneSmallMoveIsStillATapButTwoAreNot) {
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  driver_->PenDown(Point{205, 100});
  driver_->PenMove(Point{205, 102});
  driver_->PenUp(Point{205, 102});
  EXPECT_TRUE(driver_->WaitFor([this] { return !LaunchLog().empty(); }));
  driver_->PenDown(Point{205, 100});
  driver_->PenMove(Point{205, 101});
  driver_->PenMove(Point{205, 102});
  driver_->PenUp(Point{205, 102});
  driver_->Sync();
  EXPECT_EQ(LaunchCount(), 1);
}

TEST_F(LauncherScreenTest, ExitEndsTheProgramButOnlyMinimisesOnV9) {
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  driver_->Tap(Point{148, 240});  // "退出", last of 15 items (third in the fourth row)
  EXPECT_TRUE(driver_->WaitFor([this] { return finished_; }));
  EXPECT_EQ(result_, ui::kIdOk);
}

TEST_F(LauncherScreenTest, TheBackKeyDoesNotQuitTheProgram) {
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  driver_->Key(ui::keys::kEscape);
  driver_->Key(ui::keys::kReturn);
  ASSERT_TRUE(driver_->Sync());
  EXPECT_FALSE(driver_->Invoke([this] { return finished_; }));
  EXPECT_TRUE(driver_->Invoke([this] { return launcher_ != nullptr && launcher_->IsVisible(); }));
}

TEST_F(LauncherScreenTest, ExitOnV9Minimises) {
  Launch(240, 320, true);
  ASSERT_TRUE(WaitForLauncher());
  driver_->Invoke([this] {
    launcher_->StartItem(static_cast<int>(app_->LauncherItems.size()));
    return 0;
  });
  EXPECT_TRUE(driver_->Invoke([this] { return launcher_->IsMinimised(); }));
  EXPECT_FALSE(finished_);
  driver_->Invoke([this] {
    launcher_->ComeForward();
    return 0;
  });
  EXPECT_TRUE(driver_->Invoke([this] { return launcher_->IsVisible(); }));
}

TEST_F(LauncherScreenTest, AMissingChosenBackgroundFallsBackToTheDefault) {
  dir_.Write("phone/device.ini", "");  // keep the directory; the template fills the rest
  std::filesystem::remove(dir_.File("phone/device.ini"));
  device_ = testing::OpenTestDevice(dir_.File("phone"));
  ASSERT_TRUE(device_);
  IniFile config(device_->Files());
  config.WriteString(u"MainMenuBackImage", u"path", u"\\My Pictures\\gone.jpg",
                     u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini");
  Launch();
  auto box = driver_->WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"在Tarvo\\TarvoImage目录下没有找到主背景图片！");
  EXPECT_EQ(box->caption, u"Tarvo");
  ASSERT_TRUE(driver_->AnswerMessageBox(ui::kOkCaption));
  EXPECT_TRUE(WaitForLauncher());
  EXPECT_FALSE(finished_);
}

TEST_F(LauncherScreenTest, WithoutAnyBackgroundTheLauncherEnds) {
  device_ = testing::OpenTestDevice(dir_.File("phone"));
  ASSERT_TRUE(device_);
  device_->Files().WriteAtomically(u"\\Program Files\\Tarvo\\TarvoImage\\MainMenuBackImage.jpg",
                                   "not a picture");
  Launch();
  auto box = driver_->WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"主界面背景图片加载失败，可能图片尺寸太大或格式不正确！");
  driver_->AnswerMessageBox(ui::kOkCaption);
  EXPECT_TRUE(driver_->WaitFor([this] { return finished_; }));
}

TEST_F(LauncherScreenTest, AnUnknownScreenIsRefused) {
  Launch(480, 272);
  auto box = driver_->WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"不支持的分辨率。");
  EXPECT_EQ(box->icon, ui::MessageIcon::None);
  driver_->AnswerMessageBox(ui::kOkCaption);
  EXPECT_TRUE(driver_->WaitFor([this] { return finished_; }));
  EXPECT_EQ(result_, CTarvoApp::kRefused);
}

TEST_F(LauncherScreenTest, StartUpWritesTheConfigurationOnceAndClearsLeftovers) {
  device_ = testing::OpenTestDevice(dir_.File("phone"));
  ASSERT_TRUE(device_);
  device_->Files().WriteAtomically(u"\\windows\\TarvoUpdate.exe", "old installer");
  device_->Files().WriteAtomically(u"\\Program Files\\Tarvo\\TarvoImage.rar", "x");
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  const std::string config = dir_.Read("phone/fs/Program Files/Tarvo/temp/TarvoConfig.ini");
  EXPECT_EQ(config, ToCodePage(u";此文件用来保存Tarvo的一些配置信息，擅自删改将导致程序异常!"));
  EXPECT_EQ(config.size(), 59u);
  EXPECT_FALSE(device_->Files().FileExists(u"\\windows\\TarvoUpdate.exe"));
  EXPECT_FALSE(device_->Files().FileExists(u"\\Program Files\\Tarvo\\TarvoImage.rar"));
  EXPECT_NE(dir_.Read("phone/fs/Program Files/Tarvo/temp/MainMenu.xml").find("退出"), std::string::npos);
}

TEST_F(LauncherScreenTest, RotationLaysTheGridOutAgainAtTheTop) {
  Launch(240, 320, true);
  ASSERT_TRUE(WaitForLauncher());
  DragBy(Point{100, 200}, {-10});
  driver_->Invoke([this] {
    driver_->GetUi().Rotate();
    return 0;
  });
  EXPECT_EQ(Offset(), 0);
  EXPECT_EQ(driver_->Invoke([this] { return app_->Layout->Columns(); }), 5);
  EXPECT_EQ(driver_->Invoke([this] { return app_->Layout->Margin(); }), 15);
}

TEST_F(LauncherScreenTest, TheDeviceOrientationTurnsTheScreenAsTheRotationKeyDoes) {
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  auto screenIs = [this](int width, int height) {
    return driver_->WaitFor([this, width, height] {
      return driver_->GetUi().ScreenWidth() == width && driver_->GetUi().ScreenHeight() == height;
    });
  };
  // A screen's rotation command, run on the UI thread.
  auto switchOrientation = [this] {
    return driver_->Invoke([this] { return SwitchOrientation(app_->GetDevice().Display()); });
  };
  ASSERT_TRUE(switchOrientation());
  ASSERT_TRUE(screenIs(320, 240));
  EXPECT_TRUE(driver_->WaitFor([this] { return app_->Layout->Columns() == 5; }));
  ASSERT_TRUE(switchOrientation());
  ASSERT_TRUE(screenIs(240, 320));
  // 180 degrees keeps the portrait shape; from there the switch goes to 270.
  driver_->Invoke([this] { return app_->GetDevice().Display().SetOrientation(180); });
  driver_->Sync();
  EXPECT_EQ(driver_->Invoke([this] { return driver_->GetUi().ScreenWidth(); }), 240);
  ASSERT_TRUE(switchOrientation());
  EXPECT_TRUE(screenIs(320, 240));
}

TEST_F(LauncherScreenTest, AProgramWithoutAnIconFileShowsTheGenericProgramIcon) {
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  dir_.Write("phone/fs/Windows/broken.png", "not a picture");
  // Four cells: the same layout and background each time, only the icons change.
  auto cells = [this](const std::vector<LauncherItem>& items) {
    return driver_->Invoke([this, items] {
      app_->LauncherItems = items;
      launcher_->Relayout();
      const int band = app_->Layout->BandHeight();
      std::vector<ui::Rect> rects;
      for (ui::Rect r : app_->Layout->IconRects()) rects.push_back(ui::Rect{r.left, r.top - band, r.right, r.bottom - band});
      return std::pair{rects, ui::Canvas(driver_->GetUi().RenderScreen())};
    });
  };
  const auto [rects, bare] = cells({{kToolItem, u"a", u"", u""}, {kToolItem, u"b", u"", u""},
                                    {kToolItem, u"c", u"", u""}, {kToolItem, u"d", u"", u""}});
  const auto [same, shown] = cells({
      {kProgramItem, u"a", u"", u"\\Windows\\pword.exe"},                       // the file exists
      {kProgramItem, u"b", u"", u"\\Windows\\gone.exe"},                        // no file
      {kProgramItem, u"c", u"\\Windows\\missing.png", u"\\Windows\\pword.exe"},  // icon file missing
      {kProgramItem, u"d", u"\\Windows\\broken.png", u"\\Windows\\pword.exe"},   // icon does not decode
  });
  ASSERT_EQ(rects.size(), 4u);
  ASSERT_EQ(same, rects);
  auto changedShare = [&](const ui::Rect& r) {
    int changed = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) changed += shown.ColorAt(x, y) != bare.ColorAt(x, y) ? 1 : 0;
    return static_cast<double>(changed) / (r.Width() * r.Height());
  };
  EXPECT_GT(changedShare(rects[0]), 0.5);
  EXPECT_EQ(changedShare(rects[1]), 0.0);
  EXPECT_EQ(changedShare(rects[2]), 0.0);
  EXPECT_EQ(changedShare(rects[3]), 0.0);
  // The picture is the program icon of the pictures: white strokes on a plate.
  int white = 0;
  for (int y = rects[0].top; y < rects[0].bottom; ++y)
    for (int x = rects[0].left; x < rects[0].right; ++x) white += shown.ColorAt(x, y) == 0xFFFFFF ? 1 : 0;
  EXPECT_GT(white, rects[0].Width() * rects[0].Height() / 10);
}

TEST_F(LauncherScreenTest, TheStartMenuShortcutIsMadeOnceAndDeletedOnce) {
  Launch();
  ASSERT_TRUE(WaitForLauncher());
  auto expectMessage = [this](WStringView text) {
    auto box = driver_->WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->caption, u"Tarvo");
    driver_->AnswerMessageBox(ui::kOkCaption);
    EXPECT_TRUE(driver_->WaitFor([this] { return launcher_ && driver_->GetUi().ActiveWindow() == launcher_; }));
  };
  auto run = [this](void (*operation)(CTarvoApp&)) {
    driver_->GetUi().PostTask([this, operation] { operation(*app_); });
  };
  run(&CreateStartShortcut);
  expectMessage(u"成功生成快捷方式！");
  EXPECT_EQ(dir_.Read("phone/fs/Windows/“开始”菜单/程序/Tarvo.lnk"), "\"\\Program Files\\Tarvo\\Tarvo.exe\"");
  EXPECT_EQ(device_->GetRegistry().GetString(RegistryRoot::LocalMachine, u"\\Security\\Shell\\StartInfo\\Start\\Tarvo.lnk", u"Icon"),
            u"\\Program Files\\Tarvo\\TarvoImage\\Tarvo.png");
  run(&CreateStartShortcut);
  expectMessage(u"已经有快捷方式了。");
  run(&DeleteStartShortcut);
  expectMessage(u"删除成功！");
  run(&DeleteStartShortcut);
  expectMessage(u"无效操作，未找到快捷方式！");
}

// Every resolution class in both orientations and both templates, saved
// under launcher-screens/ for a person to look at; the smallest and the
// largest portrait screens are compared with their references.
TEST(LauncherScreens, EveryClassOrientationAndTemplate) {
  const std::pair<int, int> sizes[] = {{240, 320}, {240, 400}, {320, 320}, {320, 480},
                                       {480, 480}, {480, 640}, {480, 800}};
  std::filesystem::create_directories("launcher-screens");
  for (auto [w, h] : sizes) {
    for (bool landscape : {false, true}) {
      if (landscape && w == h) continue;
      for (int style : {0, 1}) {
        testing::TempDir dir;
        auto device = testing::OpenTestDevice(dir.File("phone"));
        ASSERT_TRUE(device);
        IniFile(device->Files()).WriteInt(u"TemplateStyle", u"style", style,
                                          u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini");
        const int width = landscape ? h : w, height = landscape ? w : h;
        auto driverOwner = std::make_unique<testing::ScreenDriver>(width, height);
        testing::ScreenDriver& driver = *driverOwner;
        CTarvoApp app(*device, driver.GetUi());
        CTarvoDlg* shown = nullptr;
        bool done = false;
        driver.Start([&] {
          app.InitInstance([&] {
            CTarvoDlg launcher(app);
            shown = &launcher;
            int code = launcher.DoModal();
            shown = nullptr;
            return code;
          });
          done = true;
        });
        ASSERT_TRUE(driver.WaitFor([&] { return shown != nullptr && shown->IsVisible(); }));
        const std::string name = "launcher-screens/" + std::to_string(width) + "x" +
                                 std::to_string(height) + (style ? "-office" : "-normal") + ".png";
        ASSERT_TRUE(driver.SaveScreen(name));
        if (!landscape && ((w == 240 && h == 320) || (w == 480 && h == 800))) {
          const std::string reference = "launcher-" + std::to_string(width) + "x" + std::to_string(height) +
                                        (style ? "-office" : "-normal") + ".png";
          EXPECT_TRUE(testing::MatchesReferencePng(driver.Screenshot(), reference));
        }
        // The grid is drawn: the first icon's area is not the background's colour alone.
        ui::Canvas screen = driver.Screenshot();
        EXPECT_NE(screen.ColorAt(1, 1), screen.ColorAt(app.Layout->IconRects()[0].left + 20,
                                                       app.Layout->IconRects()[0].top - app.Layout->BandHeight() + 20))
            << name;
        driver.GetUi().Quit();
        driverOwner.reset();  // joins the UI thread before the app goes
      }
    }
  }
}

}  // namespace
}  // namespace tarvo

namespace tarvo {
namespace {

class ConnectionReactionTest : public ::testing::Test {
 protected:
  // A phone that is offline until a dial-up brings up dialResult.
  void Launch(const std::string& dialResult) {
    dir_.Write("phone/device.ini", "[Connectivity]\nStatus=\nDialResult=" + dialResult + "\nDialDelayMs=0\n");
    device_ = testing::OpenTestDevice(dir_.File("phone"));
    ASSERT_TRUE(device_);
    // The template's pictures are not copied for an existing profile: give the launcher its background.
    auto picture = Device::Open(dir_.File("template"))->Files().ReadAll(
        u"\\Program Files\\Tarvo\\TarvoImage\\MainMenuBackImage.jpg");
    ASSERT_TRUE(picture);
    device_->Files().WriteAtomically(u"\\Program Files\\Tarvo\\TarvoImage\\MainMenuBackImage.jpg", *picture);
    driver_ = std::make_unique<testing::ScreenDriver>();
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    app_->Jobs.Define(kUpdateCheckJob, [this](const std::atomic<bool>&) { ++updates_; });
    app_->Jobs.Define(kJokeSyncJob, [this](const std::atomic<bool>&) { ++jokeSyncs_; });
    driver_->Start([this] {
      app_->InitInstance([this] {
        CTarvoDlg launcher(*app_);
        shown_ = &launcher;
        const int code = launcher.DoModal();
        shown_ = nullptr;
        return code;
      });
    });
    ASSERT_TRUE(driver_->WaitFor([this] { return shown_ != nullptr && shown_->IsVisible(); }));
  }
  void TearDown() override {
    if (driver_) {
      driver_->GetUi().Quit();
      driver_.reset();
    }
  }
  testing::TempDir dir_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<testing::ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* shown_ = nullptr;
  std::atomic<int> updates_{0};
  std::atomic<int> jokeSyncs_{0};
};

TEST_F(ConnectionReactionTest, ANewDataConnectionStartsTheUpdateCheckAndJokeSync) {
  Launch("2,2,0x10");
  device_->Connections().EstablishConnection(ConnectionDestination::Internet);
  EXPECT_TRUE(driver_->WaitFor([this] { return updates_ == 1 && jokeSyncs_ == 1; }));
}

TEST_F(ConnectionReactionTest, AVoiceOnlyLinkStartsNothing) {
  Launch("1,8,0x10");
  device_->Connections().EstablishConnection(ConnectionDestination::Internet);
  // The status message has been handled once the dial's post has gone through the loop.
  EXPECT_TRUE(driver_->WaitFor([this] { return !device_->Connections().DetailedStatus().empty(); }));
  driver_->Sync();
  app_->Jobs.StopAll();  // joins any job that was started
  EXPECT_EQ(updates_, 0);
  EXPECT_EQ(jokeSyncs_, 0);
}

TEST_F(ConnectionReactionTest, AJokeUpdateUnderWayIsLeftAlone) {
  Launch("2,2,0x10");
  app_->JokeUpdateInProgress = true;
  device_->Connections().EstablishConnection(ConnectionDestination::Internet);
  EXPECT_TRUE(driver_->WaitFor([this] { return updates_ == 1; }));
  driver_->Sync();
  app_->Jobs.StopAll();
  EXPECT_EQ(jokeSyncs_, 0);
}

}  // namespace
}  // namespace tarvo
