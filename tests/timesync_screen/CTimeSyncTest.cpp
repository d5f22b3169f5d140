#include "timesync/CTimeSync.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "GpsSimulator.h"
#include "StandInServers.h"
#include "launcher/CTarvoDlg.h"
#include "support/LauncherRun.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"
#include "support/TestPty.h"
#include "support/ui/ScreenDriver.h"
#include "platform/device/SerialPort.h"

namespace tarvo::testing {
namespace {

using namespace std::chrono_literals;

constexpr int64_t kDay = 86400;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The example sentence: 12:35:19.000 UTC on 23 March 2094, status A.
constexpr char kExampleFix[] = "$GPRMC,123519.000,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
constexpr int64_t kExampleFixMs = 3920186119000LL;

class TimeSyncScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = dir_.Path();
    options.timeOffsetSeconds = kDay;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  void TearDown() override {
    if (driver_) {
      driver_->GetUi().Quit();
      driver_.reset();
    }
  }

  // A device whose servers are the test's and whose serial ports are these
  // ("COM5:=path" lines); fetches wait at most 500 ms.
  void MakeDevice(const std::vector<std::string>& ports) {
    const std::string phone = dir_.File("phone");
    ASSERT_TRUE(OpenTestDevice(phone, servers_.HttpPort()));
    std::stringstream in(Read(phone + "/device.ini"));
    std::string out, line;
    while (std::getline(in, line)) {
      if (line.rfind("COM", 0) == 0) continue;
      out += line + "\n";
      if (line == "[SerialPorts]")
        for (const std::string& port : ports) out += port + "\n";
    }
    out += "[Network]\nTimeoutMs=500\n";
    std::ofstream(phone + "/device.ini", std::ios::binary) << out;
    device_ = OpenTestDevice(phone, servers_.HttpPort());
    ASSERT_TRUE(device_);
  }

  // The requests of the time sync: without the launcher's own start-up
  // fetches from the content server (the ticker's files, the jokes).
  std::vector<servers::LoggedRequest> TimeRequests() const {
    std::vector<servers::LoggedRequest> requests;
    for (const auto& request : servers_.Requests()) {
      if (request.target.rfind("/tarvo/", 0) == 0 || request.target.rfind("/xh/", 0) == 0) continue;
      requests.push_back(request);
    }
    return requests;
  }

  void Launch(int width = 240, int height = 320) {
    if (!device_) MakeDevice({});
    driver_ = std::make_unique<ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    ASSERT_TRUE(RunLauncherWithTools(*driver_, *app_, launcher_));
  }

  // Opens the tool with short waits, as the launcher would.
  void Open(int width = 240, int height = 320) {
    Launch(width, height);
    CTimeSync::Timings timings;
    timings.probe.settle = 50ms;
    timings.probe.readWait = 100ms;
    timings.silenceLimit = silenceLimit_;
    driver_->GetUi().PostTask([this, timings] {
      ui::EnterFullScreen(*launcher_, false);
      CTimeSync tool(*app_, timings);
      tool_ = &tool;
      tool.DoModal();
      tool_ = nullptr;
    });
    ASSERT_TRUE(driver_->WaitForDialog(u"Chronal"));
  }

  // What the control shows: a box's text, a picker's value.
  // On the UI thread (inside WaitFor conditions).
  std::string Shown(int id) {
    ui::Window* w = FindDescendant(driver_->GetUi().ActiveWindow(), id);
    return w == nullptr ? "<none>" : ToUtf8(w->ShownText());
  }
  std::string Text(int id) { return driver_->Invoke([this, id] { return Shown(id); }); }
  template <class T>
  T* Control(int id) {
    return driver_->Invoke([this, id] { return dynamic_cast<T*>(FindDescendant(driver_->GetUi().ActiveWindow(), id)); });
  }
  bool Enabled(int id) {
    return driver_->Invoke([this, id] {
      ui::Window* w = FindDescendant(driver_->GetUi().ActiveWindow(), id);
      return w != nullptr && w->IsEffectivelyEnabled();
    });
  }
  void Tap(int id) {
    auto center = driver_->ControlCenter(id);
    ASSERT_TRUE(center.has_value()) << "no control " << id;
    driver_->Tap(*center);
  }
  void SetBoxText(int id, const std::string& text) {
    driver_->Invoke([this, id, text] {
      auto* box = dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), id));
      if (box != nullptr) box->SetEditText(FromUtf8(text));
    });
  }
  void ExpectBox(const std::string& text) {
    auto box = driver_->WaitForMessageBox(3000ms);
    ASSERT_TRUE(box.has_value()) << "no message box; expected " << text;
    EXPECT_EQ(ToUtf8(box->text), text);
    EXPECT_EQ(ToUtf8(box->caption), "Tarvo");
    ASSERT_TRUE(driver_->AnswerMessageBox(ui::kOkCaption));
    driver_->Sync();
  }
  int64_t ClockOffsetMs() { return device_->Clock().OffsetMs(); }
  bool Reading() { return driver_->Invoke([this] { return tool_ != nullptr && tool_->IsReading(); }); }
  void SaveScreen(const std::string& name) {
    std::filesystem::create_directories("timesync-screens");
    driver_->SaveScreen("timesync-screens/" + name + ".png");
  }
  // Sends bytes to the pty until the reader has taken them and ended with a
  // box (a port drops what came before it opened).
  std::optional<MessageBoxInfo> FeedUntilBox(TestPty& pty, const std::string& bytes) {
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (std::chrono::steady_clock::now() < deadline) {
      pty.Send(bytes);
      if (auto box = driver_->WaitForMessageBox(50ms)) return box;
    }
    return std::nullopt;
  }
  // Sends bytes until the date picker shows this text.
  bool FeedUntilDate(TestPty& pty, const std::string& bytes, const std::string& date) {
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (std::chrono::steady_clock::now() < deadline) {
      pty.Send(bytes);
      if (driver_->WaitFor([&] { return tool_ && Shown(CTimeSync::kDateId) == date; }, 50ms))
        return true;
    }
    return false;
  }

  TempDir dir_;
  servers::StandInServers servers_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* launcher_ = nullptr;
  CTimeSync* tool_ = nullptr;
  int silenceLimit_ = 100;
};

// --- the screen ------------------------------------------------------------

TEST_F(TimeSyncScreen, LauncherItemOpensChronalWithEveryControl) {
  Launch();
  const int index = driver_->Invoke([this] {
    for (size_t i = 0; i < app_->LauncherItems.size(); ++i)
      if (app_->LauncherItems[i].Title == u"时间同步") return static_cast<int>(i) + 1;
    return 0;
  });
  ASSERT_GT(index, 0);
  driver_->GetUi().PostTask([this, index] { launcher_->StartItem(index); });
  ASSERT_TRUE(driver_->WaitForDialog(u"Chronal", 5000ms));
  EXPECT_EQ(Text(CTimeSync::kTimeLabelId), "Time:");
  EXPECT_TRUE(std::regex_match(Text(CTimeSync::kTimeTextId), std::regex(R"(\d{4}\.\d{2}\.\d{2} \d{2}:\d{2}:\d{2})")))
      << Text(CTimeSync::kTimeTextId);
  EXPECT_EQ(Text(CTimeSync::kHttpGroupId), "GPRS/WiFi");
  const std::string port = std::to_string(servers_.HttpPort());
  EXPECT_EQ(Text(CTimeSync::kServerId), "127.0.0.1:" + port);
  auto* server = Control<ui::ComboBox>(CTimeSync::kServerId);
  ASSERT_NE(server, nullptr);
  EXPECT_EQ(driver_->Invoke([server] { return server->GetCount(); }), 2);
  EXPECT_EQ(ToUtf8(driver_->Invoke([server] { return server->GetLBText(1); })), "localhost:" + port);
  EXPECT_EQ(Text(CTimeSync::kWapId), "WAP");
  EXPECT_EQ(Text(CTimeSync::kSyncId), "同步时间");
  EXPECT_EQ(Text(CTimeSync::kGpsGroupId), "GPS");
  EXPECT_EQ(Text(CTimeSync::kPortId), "");  // no port opened on this device
  EXPECT_EQ(Text(CTimeSync::kSpeedId), "4800");
  auto* speed = Control<ui::ComboBox>(CTimeSync::kSpeedId);
  std::vector<std::string> speeds;
  for (int i = 0; i < driver_->Invoke([speed] { return speed->GetCount(); }); ++i)
    speeds.push_back(ToUtf8(driver_->Invoke([speed, i] { return speed->GetLBText(i); })));
  EXPECT_EQ(speeds, (std::vector<std::string>{"4800", "9600", "14400", "19200", "38400", "57600", "115200"}));
  EXPECT_EQ(Text(CTimeSync::kReadId), "获取GPS时间");
  EXPECT_EQ(Text(CTimeSync::kSetId), "设置GPS时间");
  EXPECT_FALSE(Enabled(CTimeSync::kSetId));
  // The pickers start at the local time.
  const SystemTime local = device_->Clock().GetLocalTime();
  char today[16];
  std::snprintf(today, sizeof today, "%04d-%02d-%02d", local.year, local.month, local.day);
  EXPECT_EQ(Text(CTimeSync::kDateId), today);
  EXPECT_EQ(driver_->SoftKeys(), (std::vector<WString>{u"菜单", u"菜单/拨号上网", u"菜单/关于"}));
  SaveScreen("idle-240x320");
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
}

TEST_F(TimeSyncScreen, CurrentTimeTicksEverySecond) {
  Open();
  driver_->Invoke([this] {
    SystemTime local;
    local.year = 2031;
    local.month = 5;
    local.day = 6;
    local.hour = 7;
    local.minute = 8;
    local.second = 9;
    device_->Clock().SetLocalTime(local);
  });
  EXPECT_NE(Text(CTimeSync::kTimeTextId).substr(0, 10), "2031.05.06");
  driver_->AdvanceTime(1000);
  ASSERT_TRUE(driver_->WaitFor([this] { return Shown(CTimeSync::kTimeTextId).substr(0, 16) == "2031.05.06 07:08"; }))
      << Text(CTimeSync::kTimeTextId);
}

TEST_F(TimeSyncScreen, EscapeAndAboutBox) {
  Open();
  ASSERT_TRUE(driver_->PickMenuItem({u"菜单", u"关于"}));
  ExpectBox("Chronal");
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
}

TEST_F(TimeSyncScreen, DialUpRequestsTheInternetOrWithWapTheWapNetwork) {
  Open();
  ASSERT_TRUE(driver_->PickMenuItem({u"菜单", u"拨号上网"}));
  ASSERT_TRUE(driver_->WaitFor([this] { return device_->Connections().DialsInProgress() > 0; }));
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());  // nothing waits for the outcome
}

TEST_F(TimeSyncScreen, RotationFollowsTheStartRuleAndTheLabelFollowsTheLayout) {
  Open(240, 320);
  EXPECT_TRUE(driver_->Invoke([this] { return tool_->IsPortraitLayout(); }));
  const auto portraitSync = driver_->ControlCenter(CTimeSync::kSyncId);
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  EXPECT_FALSE(driver_->Invoke([this] { return tool_->IsPortraitLayout(); }));
  EXPECT_EQ(Text(CTimeSync::kTimeLabelId), "当前时间:");
  EXPECT_NE(driver_->ControlCenter(CTimeSync::kSyncId), portraitSync);
  SaveScreen("rotated-320x240");
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  EXPECT_EQ(Text(CTimeSync::kTimeLabelId), "Time:");
  EXPECT_EQ(driver_->ControlCenter(CTimeSync::kSyncId), portraitSync);
}

TEST_F(TimeSyncScreen, SquareScreenStaysLandscapeThroughResizes) {
  Open(320, 320);
  EXPECT_FALSE(driver_->Invoke([this] { return tool_->IsPortraitLayout(); }));
  EXPECT_EQ(Text(CTimeSync::kTimeLabelId), "当前时间:");
  const auto before = driver_->ControlCenter(CTimeSync::kReadId);
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  EXPECT_FALSE(driver_->Invoke([this] { return tool_->IsPortraitLayout(); }));
  EXPECT_EQ(Text(CTimeSync::kTimeLabelId), "当前时间:");
  EXPECT_EQ(driver_->ControlCenter(CTimeSync::kReadId), before);
}

// --- HTTP ------------------------------------------------------------------

TEST_F(TimeSyncScreen, HttpSyncDirectSendsTwoPlainRequestsAndSetsTheClockFromTheDate) {
  Open();
  Tap(CTimeSync::kSyncId);
  ExpectBox("同步时间成功!");
  EXPECT_NEAR(static_cast<double>(ClockOffsetMs()), kDay * 1000.0, 3000.0);
  EXPECT_NEAR(std::stod(Read(dir_.File("phone/clock-offset"))), kDay * 1000.0, 3000.0);
  const auto requests = TimeRequests();
  ASSERT_EQ(requests.size(), 2u);
  for (const auto& request : requests) {
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.target, "/_t");
    EXPECT_EQ(request.Header("User-Agent"), "qtm");
    EXPECT_EQ(request.Header("Accept"), "");
  }
}

TEST_F(TimeSyncScreen, HttpSyncThroughTheGatewaySendsAbsoluteTargetsForAnyHost) {
  Open();
  SetBoxText(CTimeSync::kServerId, "http://time.example.test/ignored/path");
  Tap(CTimeSync::kWapId);
  driver_->Sync();
  Tap(CTimeSync::kSyncId);
  ExpectBox("同步时间成功!");
  EXPECT_NEAR(static_cast<double>(ClockOffsetMs()), kDay * 1000.0, 3000.0);
  const auto requests = TimeRequests();
  ASSERT_EQ(requests.size(), 2u);
  for (const auto& request : requests) {
    EXPECT_EQ(request.target, "http://time.example.test/_t");
    EXPECT_EQ(request.Header("User-Agent"), "qtm");
  }
}

TEST_F(TimeSyncScreen, HttpFaultsFailAndLeaveTheClockAlone) {
  Open();
  for (const std::string kind : {"no-date", "bad-date", "stall"}) {
    SCOPED_TRACE(kind);
    servers_.DisarmFaults();
    ASSERT_TRUE(servers_.ArmFault("/_t", kind));
    const size_t before = TimeRequests().size();
    Tap(CTimeSync::kSyncId);
    ExpectBox("同步时间失败!");
    EXPECT_EQ(ClockOffsetMs(), 0);
    EXPECT_GE(TimeRequests().size(), before + 1);
  }
}

TEST_F(TimeSyncScreen, StatusOfTheAnswerIsIgnoredWhenItCarriesADate) {
  Open();
  ASSERT_TRUE(servers_.ArmFault("/_t", "status:404"));
  Tap(CTimeSync::kSyncId);
  ExpectBox("同步时间成功!");
  EXPECT_NEAR(static_cast<double>(ClockOffsetMs()), kDay * 1000.0, 3000.0);
}

TEST_F(TimeSyncScreen, RefusedPortAndMalformedServerTextFail) {
  Open();
  SetBoxText(CTimeSync::kServerId, "127.0.0.1:1");
  Tap(CTimeSync::kSyncId);
  ExpectBox("同步时间失败!");
  SetBoxText(CTimeSync::kServerId, "ftp://127.0.0.1:" + std::to_string(servers_.HttpPort()));
  Tap(CTimeSync::kSyncId);
  ExpectBox("同步时间失败!");
  EXPECT_TRUE(TimeRequests().empty());
  EXPECT_EQ(ClockOffsetMs(), 0);
}

TEST_F(TimeSyncScreen, UnwritableClockIsAFailure) {
  Open();
  std::filesystem::create_directories(dir_.File("phone/clock-offset"));
  Tap(CTimeSync::kSyncId);
  ExpectBox("同步时间失败!");
  EXPECT_EQ(ClockOffsetMs(), 0);
}

// --- GPS -------------------------------------------------------------------

TEST_F(TimeSyncScreen, SimulatedReceiverSetsTheClock) {
  servers::GpsSimulator gps;
  servers::GpsOptions options;
  options.linkPath = dir_.File("gps-link");
  options.offsetSeconds = -2 * kDay;
  options.interval = 100ms;
  options.fixAfter = 2;
  std::string error;
  ASSERT_TRUE(gps.Start(options, &error)) << error;
  MakeDevice({"COM5:=" + options.linkPath});
  Open();
  EXPECT_EQ(Text(CTimeSync::kPortId), "COM5:");
  Tap(CTimeSync::kReadId);
  driver_->Sync();
  EXPECT_EQ(Text(CTimeSync::kReadId), "取消");
  EXPECT_TRUE(Enabled(CTimeSync::kSetId));
  SaveScreen("reading-240x320");
  ExpectBox("同步时间成功!");
  EXPECT_NEAR(static_cast<double>(ClockOffsetMs()), -2.0 * kDay * 1000, 3000.0);
  EXPECT_EQ(Text(CTimeSync::kReadId), "获取GPS时间");
  EXPECT_FALSE(Enabled(CTimeSync::kSetId));
}

TEST_F(TimeSyncScreen, FourthPortThatTalksIsSelected) {
  TestPty quiet[3];
  servers::GpsSimulator gps;
  servers::GpsOptions options;
  options.interval = 10ms;
  std::string error;
  ASSERT_TRUE(gps.Start(options, &error)) << error;
  MakeDevice({"COM0:=" + quiet[0].SlavePath(), "COM1:=" + quiet[1].SlavePath(), "COM2:=" + quiet[2].SlavePath(),
              "COM3:=" + gps.SlavePath(), "COM7:=" + dir_.File("missing")});
  Open();
  EXPECT_EQ(Text(CTimeSync::kPortId), "COM3:");
  auto* port = Control<ui::ComboBox>(CTimeSync::kPortId);
  EXPECT_EQ(driver_->Invoke([port] { return port->GetCount(); }), 4);  // COM7: did not open
}

TEST_F(TimeSyncScreen, NoPortTalkingSelectsTheFirstThatOpened) {
  TestPty quiet[2];
  MakeDevice({"COM2:=" + quiet[0].SlavePath(), "COM6:=" + quiet[1].SlavePath()});
  Open();
  EXPECT_EQ(Text(CTimeSync::kPortId), "COM2:");
}

TEST_F(TimeSyncScreen, ExampleFixSetsTheClockToThatUtcTime) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  Open();
  Tap(CTimeSync::kReadId);
  auto box = FeedUntilBox(pty, kExampleFix);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(ToUtf8(box->text), "同步时间成功!");
  EXPECT_NEAR(static_cast<double>(device_->Clock().NowUtcMs()), static_cast<double>(kExampleFixMs), 3000.0);
  ASSERT_TRUE(driver_->AnswerMessageBox(ui::kOkCaption));
  driver_->Sync();
  // The pickers show it as local time (UTC+8).
  EXPECT_EQ(Text(CTimeSync::kDateId), "2094-03-23");
  EXPECT_EQ(Text(CTimeSync::kClockId), "20:35:19");
}

TEST_F(TimeSyncScreen, StatusVOnlyUpdatesThePickersAndOtherTalkersAreIgnored) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  Open();
  Tap(CTimeSync::kReadId);
  ASSERT_TRUE(FeedUntilDate(pty, "$GPRMC,010203.000,V,,,,,,,150695,,,N*00\r\n", "2095-06-15"));
  EXPECT_EQ(Text(CTimeSync::kClockId), "09:02:03");
  pty.Send("$GNRMC,111111.000,A,4807.038,N,01131.000,E,022.4,084.4,010101,003.1,W*00\r\n");
  pty.Send("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
  driver_->Sync();
  EXPECT_FALSE(driver_->WaitForMessageBox(300ms).has_value());
  EXPECT_TRUE(Reading());
  EXPECT_EQ(ClockOffsetMs(), 0);
  EXPECT_EQ(Text(CTimeSync::kDateId), "2095-06-15");
}

TEST_F(TimeSyncScreen, PortTypedWithoutColonOpensWithIt) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  Open();
  SetBoxText(CTimeSync::kPortId, "COM5");
  Tap(CTimeSync::kReadId);
  auto box = FeedUntilBox(pty, kExampleFix);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(ToUtf8(box->text), "同步时间成功!");
}

TEST_F(TimeSyncScreen, UnmappedPortAndHostPathCannotOpen) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  Open();
  SetBoxText(CTimeSync::kPortId, "COM8:");
  Tap(CTimeSync::kReadId);
  ExpectBox("不能打开COM口!");
  EXPECT_EQ(Text(CTimeSync::kReadId), "获取GPS时间");
  EXPECT_FALSE(Enabled(CTimeSync::kSetId));
  SetBoxText(CTimeSync::kPortId, pty.SlavePath());
  Tap(CTimeSync::kReadId);
  ExpectBox("不能打开COM口!");
  SetBoxText(CTimeSync::kSpeedId, "0");
  SetBoxText(CTimeSync::kPortId, "COM5:");
  Tap(CTimeSync::kReadId);
  ExpectBox("不能打开COM口!");
}

TEST_F(TimeSyncScreen, SilenceTimesOut) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  silenceLimit_ = 3;
  Open();
  Tap(CTimeSync::kReadId);
  ExpectBox("读取GPS数据超时!");
  EXPECT_EQ(Text(CTimeSync::kReadId), "获取GPS时间");
}

TEST_F(TimeSyncScreen, CancelStopsTheReaderWithoutABox) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  Open();
  Tap(CTimeSync::kReadId);
  ASSERT_TRUE(driver_->WaitFor([this] { return Shown(CTimeSync::kReadId) == "取消"; }));
  Tap(CTimeSync::kReadId);
  ASSERT_TRUE(driver_->WaitFor([this] { return Shown(CTimeSync::kReadId) == "获取GPS时间"; }));
  EXPECT_FALSE(Reading());
  EXPECT_FALSE(Enabled(CTimeSync::kSetId));
  EXPECT_FALSE(driver_->WaitForMessageBox(200ms).has_value());
  // The port was let go: a new reader opens it again.
  Tap(CTimeSync::kReadId);
  auto box = FeedUntilBox(pty, kExampleFix);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(ToUtf8(box->text), "同步时间成功!");
  EXPECT_EQ(driver_->Invoke([this] { return tool_->ReaderGeneration(); }), 2);
}

TEST_F(TimeSyncScreen, SetFromPickersTakesTheDateAndTheEditedTime) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  Open();
  Tap(CTimeSync::kReadId);
  ASSERT_TRUE(FeedUntilDate(pty, "$GPRMC,010203.000,V,,,,,,,150695,,,N*00\r\n", "2095-06-15"));
  driver_->Invoke([this] {
    auto* clock = dynamic_cast<ui::DateTimePicker*>(FindDescendant(tool_, CTimeSync::kClockId));
    SystemTime edited = clock->GetTime();
    edited.hour = 17;
    edited.minute = 45;
    edited.second = 30;
    clock->SetTime(edited);
  });
  Tap(CTimeSync::kSetId);
  ExpectBox("同步时间成功!");
  EXPECT_FALSE(Reading());
  EXPECT_EQ(Text(CTimeSync::kReadId), "获取GPS时间");
  const SystemTime local = device_->Clock().GetLocalTime();
  EXPECT_EQ(local.year, 2095);
  EXPECT_EQ(local.month, 6);
  EXPECT_EQ(local.day, 15);
  EXPECT_EQ(local.hour, 17);
  EXPECT_EQ(local.minute, 45);
  EXPECT_LE(local.second - 30, 2);
}

TEST_F(TimeSyncScreen, ClosingWhileReadingStopsTheReader) {
  TestPty pty;
  MakeDevice({"COM5:=" + pty.SlavePath()});
  Open();
  Tap(CTimeSync::kReadId);
  ASSERT_TRUE(driver_->WaitFor([this] { return tool_ != nullptr && tool_->IsReading(); }));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
  EXPECT_FALSE(driver_->WaitForMessageBox(200ms).has_value());
  // The port is free again.
  EXPECT_TRUE(SerialPort::OpenHost(pty.SlavePath(), SerialSettings{}));
}

// --- how it looks ----------------------------------------------------------

class TimeSyncLooks : public TimeSyncScreen, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(TimeSyncLooks, EveryControlFitsItsText) {
  const auto [width, height] = GetParam();
  Open(width, height);
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  SaveScreen("idle-" + size);
  driver_->Invoke([this] {
    const ui::Rect client = tool_->ClientRect();
    for (ui::Window* child : tool_->Children()) {
      const ui::Rect r = child->WindowRect();
      EXPECT_GE(r.left, 0) << child->Id();
      EXPECT_GE(r.top, 0) << child->Id();
      EXPECT_LE(r.right, client.right) << child->Id();
      EXPECT_LE(r.bottom, client.bottom) << child->Id();
      const bool boxed = std::string(child->ControlKind()) == "button" || std::string(child->ControlKind()) == "check";
      const int room = r.Width() - (boxed ? 8 : 0) - (std::string(child->ControlKind()) == "check" ? r.Height() : 0);
      if (!child->Text().empty() && std::string(child->ControlKind()) != "group") {
        EXPECT_LE(child->GetFont().TextWidth(child->Text()), room) << ToUtf8(child->Text());
      }
    }
  });
}

INSTANTIATE_TEST_SUITE_P(Sizes, TimeSyncLooks,
                         ::testing::Values(std::pair{240, 320}, std::pair{320, 240}, std::pair{320, 320},
                                           std::pair{480, 800}, std::pair{800, 480}));

}  // namespace
}  // namespace tarvo::testing
