#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "TickerScreenFixture.h"
#include "platform/ui/automation/UiAutomation.h"

namespace tarvo {
namespace {

using ui::Point;

constexpr char kWelcome[] = "tarvomsg1=欢迎来到测试频道;action1=0;url1=;";

struct ScreenSize {
  int width;
  int height;
};

class TickerBandTest : public TickerScreenFixture, public ::testing::WithParamInterface<ScreenSize> {};

TEST_P(TickerBandTest, TheTextScrollsTenPixelsATickOverTheBand) {
  const auto [width, height] = GetParam();
  ServeMessages({kWelcome});
  Launch(width, height);
  ASSERT_TRUE(WaitRefreshed(1));
  Ticks(1);
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.CurrentText(); }), u"欢迎来到测试频道");
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.TextX(); }), width - 10);
  Ticks(3);
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.TextX(); }), width - 40);
  const ui::Rect band = Band();
  EXPECT_EQ(band.left, 0);
  EXPECT_EQ(band.right, width);
  EXPECT_EQ(band.bottom, height);
  EXPECT_GT(band.Height(), 10);
  // The dump reports the text where the band shows it, so scripts find it.
  auto dump = driver_->Engine().Dump();
  ASSERT_TRUE(dump);
  const std::string text = dump->dump();
  EXPECT_NE(text.find("欢迎来到测试频道"), std::string::npos);
  EXPECT_NE(text.find("\"ticker\""), std::string::npos);
  EXPECT_EQ(driver_->Engine().WaitText(u"欢迎来到测试频道").ok, true);
  const std::string name = "ticker-" + std::to_string(width) + "x" + std::to_string(height) + ".png";
  EXPECT_TRUE(driver_->SaveScreen(name));
  if (width == 240 && height == 320) EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), name));
}

INSTANTIATE_TEST_SUITE_P(Sizes, TickerBandTest,
                         ::testing::Values(ScreenSize{240, 320}, ScreenSize{480, 800}, ScreenSize{320, 240}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

class TickerScreenTest : public TickerScreenFixture {};

TEST_F(TickerScreenTest, AWebMessageTapOpensItsAddressAndTheTickerGoesOn) {
  ServeMessages({"tarvomsg1=今日文章;action1=1;url1=http://127.0.0.1:1/article;"});
  Launch();
  ASSERT_TRUE(WaitRefreshed(1));
  Ticks(2);
  ASSERT_TRUE(driver_->Engine().TapText(u"今日文章").ok);
  EXPECT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("http://127.0.0.1:1/article") != std::string::npos; }));
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.TextColour(); }), kTickerBlue);
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.TextX(); }), 240);  // a new pass from the right edge
  EXPECT_TRUE(driver_->Invoke([this] { return driver_->GetUi().HasTimer(launcher_, CTarvoDlg::kTickerTimer); }));
}

TEST_F(TickerScreenTest, PlainMessagesAndFileAddressesOpenNothing) {
  ServeMessages({"tarvomsg1=只是一句话;action1=0;url1=http://127.0.0.1:1/plain;"});
  Launch();
  ASSERT_TRUE(WaitRefreshed(1));
  Ticks(2);
  ASSERT_TRUE(driver_->Engine().TapText(u"只是一句话").ok);
  driver_->Sync();
  EXPECT_TRUE(LaunchLog().empty());
}

TEST_F(TickerScreenTest, AFileAddressIsNeverOpened) {
  ServeMessages({"tarvomsg1=本地文件;action1=1;url1=file:///etc/passwd;"});
  Launch();
  ASSERT_TRUE(WaitRefreshed(1));
  Ticks(2);
  ASSERT_TRUE(driver_->Engine().TapText(u"本地文件").ok);
  driver_->Sync();
  EXPECT_TRUE(LaunchLog().empty());
  // The flash has ended: the text is blue again and scrolls on.
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.TextColour(); }), kTickerBlue);
}

TEST_F(TickerScreenTest, ShowZeroStopsTheTimerAndRepaintsTheBandAway) {
  ServeMessages({kWelcome}, 0);
  Launch();
  ASSERT_TRUE(WaitRefreshed(1));
  EXPECT_FALSE(OnTicker([](const Ticker& t) { return t.Enabled(); }));
  EXPECT_FALSE(driver_->Invoke([this] { return driver_->GetUi().HasTimer(launcher_, CTarvoDlg::kTickerTimer); }));
  Ticks(3);
  auto dump = driver_->Engine().Dump();
  ASSERT_TRUE(dump);
  EXPECT_EQ(dump->dump().find("欢迎来到测试频道\",\"rect"), std::string::npos);
  EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), "launcher-240x320-normal.png"));
}

// The last row of the V9 set at 240x320 lies partly under the band.
std::optional<Point> PointUnderBand(CTarvoDlg& launcher, int& item) {
  ui::CellGrid grid;
  launcher.DescribeCellGrid(grid);
  const ui::Rect band = launcher.TickerRect();
  for (size_t i = 0; i < grid.cells.size(); ++i) {
    const ui::Rect both = grid.cells[i].rect.Intersect(band);
    if (both.Width() > 4 && both.Height() > 4) {
      item = static_cast<int>(i) + 1;
      return Point{(both.left + both.right) / 2, (both.top + both.bottom) / 2};
    }
  }
  return std::nullopt;
}

TEST_F(TickerScreenTest, APressOnTheBandWithTextNeverReachesTheIconBelow) {
  ServeMessages({kWelcome});
  Launch(240, 320, true);
  ASSERT_TRUE(WaitRefreshed(1));
  Ticks(2);
  int item = 0;
  auto at = driver_->Invoke([this, &item] { return PointUnderBand(*launcher_, item); });
  ASSERT_TRUE(at) << "no icon under the band";
  driver_->Tap(*at);
  driver_->Sync();
  EXPECT_TRUE(LaunchLog().empty());
  EXPECT_EQ(driver_->Invoke([this] { return launcher_->SelectedItem(); }), 0);
}

TEST_F(TickerScreenTest, WithoutTextTheIconUnderTheBandTakesThePress) {
  ServeMessages({kWelcome}, 0);
  Launch(240, 320, true);
  ASSERT_TRUE(WaitRefreshed(1));
  int item = 0;
  auto at = driver_->Invoke([this, &item] { return PointUnderBand(*launcher_, item); });
  ASSERT_TRUE(at) << "no icon under the band";
  driver_->PenDown(*at);
  EXPECT_EQ(driver_->Invoke([this] { return launcher_->SelectedItem(); }), item);
  driver_->PenUp(*at);
  driver_->Sync();
}

TEST_F(TickerScreenTest, AJokeTapOpensTheReaderAtThatJoke) {
  for (const char* name : {"xh00000.txt", "xh00001.txt", "xh00002.txt", "xh00003.txt"}) {
    std::ifstream in(std::string(TARVO_SERVER_DATA_DIR) + "/content/xh/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    WriteContent(std::string("xh/") + name, bytes.str());
  }
  ServeMessages({kWelcome}, 1, 1);  // jokes only: the list stays empty
  config_ = "[Joke]\r\nAutoPrompt=1\r\n";  // the reader opens without its reminder
  Launch();
  ASSERT_TRUE(WaitRefreshed(0));
  ASSERT_TRUE(driver_->WaitFor([this] { return app_->Jokes.Facts().loaded; }, std::chrono::milliseconds(8000)));
  Ticks(2);
  const int joke = OnTicker([](const Ticker& t) { return t.CurrentKind() == 1 ? t.CurrentJoke() : -1; });
  ASSERT_GE(joke, 0);
  const WString text = OnTicker([](const Ticker& t) { return t.CurrentText(); });
  ASSERT_TRUE(driver_->Engine().TapText(text).ok);
  ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
  EXPECT_EQ(app_->Jokes.Index(), joke);
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.TextColour(); }), kTickerRed);  // flashed while it reads
}

}  // namespace
}  // namespace tarvo

namespace tarvo {
namespace {

// The office template starts no ticker of its own; a refresh that shows it does.
TEST_F(TickerScreenTest, ARefreshThatShowsStartsTheTimerInTheOfficeTemplateToo) {
  ServeMessages({kWelcome});
  config_ = "[TemplateStyle]\r\nstyle=1\r\n";
  Launch();
  ASSERT_TRUE(WaitRefreshed(1));
  EXPECT_EQ(driver_->Invoke([this] { return app_->TemplateStyle(); }), 1);
  EXPECT_TRUE(driver_->Invoke([this] { return driver_->GetUi().HasTimer(launcher_, CTarvoDlg::kTickerTimer); }));
  Ticks(2);
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.TextX(); }), 220);
}

}  // namespace
}  // namespace tarvo
