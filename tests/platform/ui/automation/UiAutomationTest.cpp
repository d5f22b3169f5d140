#include <gtest/gtest.h>

#include <future>
#include <latch>

#include "platform/ui/BackgroundAction.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListView.h"
#include "platform/ui/automation/ShownThings.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::testing {
namespace {

using namespace std::chrono_literals;

// A screen with a password, a button, a long list and a menu bar.
class SampleScreen : public ui::Dialog {
 public:
  explicit SampleScreen(ui::Ui& ui) : Dialog(ui, u"样例") {}
  bool OnInitDialog() override {
    worker_.emplace(*this);
    password_.Create(this, ui::Rect{4, 4, 120, 28}, 10, ui::EditStyle{false, true, false, true});
    password_.SetWindowText(u"secret");
    button_.Create(this, u"保存", ui::Rect{130, 4, 200, 28}, 11);
    list_.Create(this, ui::Rect{0, 40, 240, 200}, 12);
    list_.InsertColumn(0, u"名称", 120);
    list_.InsertColumn(1, u"说明", 100);
    for (int i = 0; i < 40; ++i) {
      const int row = list_.InsertItem(i, u"行" + FromAscii(std::to_string(i)));
      list_.SetItemText(row, 1, u"第一行\n第二行");
    }
    ui::MenuBar bar;
    bar.Add(u"返回", ui::kIdCancel).AddPopup(u"菜单", ui::Menu().Add(u"刷新", 50));
    SetMenuBar(bar);
    return true;
  }
  bool OnCommand(int id, int code) override {
    if (id == 11 && code == ui::kClicked) ++saves;
    if (id == 50) ++refreshes;
    return Dialog::OnCommand(id, code);
  }
  static WString FromAscii(const std::string& text) { return WString(text.begin(), text.end()); }

  ui::Edit password_;
  ui::Button button_;
  ui::ListView list_;
  std::optional<ui::BackgroundAction> worker_;
  int saves = 0;
  int refreshes = 0;
};

class Automation : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_.Start([this] {
      SampleScreen screen(driver_.GetUi());
      screen_ = &screen;
      screen.DoModal();
      screen_ = nullptr;
    });
    ASSERT_TRUE(driver_.WaitForDialog(u"样例"));
  }
  void TearDown() override {
    release_.count_down();
    driver_.Invoke([this] {
      if (screen_ != nullptr) screen_->worker_->StopAndJoin();
    });
  }
  void StartLateWorker() {
    driver_.Invoke([this] {
      screen_->worker_->Start([this](ui::BackgroundAction::Context&) { release_.wait(); });
    });
  }

  std::latch release_{1};
  SampleScreen* screen_ = nullptr;
  ScreenDriver driver_;
};

TEST_F(Automation, WaitIdleHoldsOnceALateWorkerHasFinished) {
  StartLateWorker();
  auto idle = std::async(std::launch::async, [this] { return driver_.Engine().WaitIdle(5000ms); });
  EXPECT_EQ(idle.wait_for(100ms), std::future_status::timeout) << "idle while the worker runs";
  release_.count_down();
  const auto outcome = idle.get();
  EXPECT_TRUE(outcome.ok) << outcome.why;
  EXPECT_EQ(driver_.GetUi().Workers().BusyCount(), 0);
}

TEST_F(Automation, WaitIdleFailsAtItsDeadlineWhileAWorkerNeverEnds) {
  StartLateWorker();
  const auto start = std::chrono::steady_clock::now();
  const auto outcome = driver_.Engine().WaitIdle(300ms);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.why, "1 worker(s) still busy");
  EXPECT_GE(took, 300ms);
  EXPECT_LT(took, 3000ms);
}

TEST_F(Automation, APasswordDumpsAsOneStarACharacter) {
  auto dump = driver_.Engine().Dump();
  ASSERT_TRUE(dump.has_value());
  const auto& controls = (*dump)["windows"].back()["controls"];
  ASSERT_EQ(controls.size(), 3u);
  EXPECT_EQ(controls[0]["kind"], "edit");
  EXPECT_EQ(controls[0]["text"], "******");
  EXPECT_EQ(driver_.Engine().Shown()[0].text, u"******") << "found only as shown";
}

TEST_F(Automation, TheDumpShowsControlsWhereTheScreenShowsThem) {
  auto dump = driver_.Engine().Dump();
  ASSERT_TRUE(dump.has_value());
  const auto& window = (*dump)["windows"].back();
  EXPECT_EQ(window["class"], "SampleScreen");
  EXPECT_EQ(window["caption"], "样例");
  const auto& button = window["controls"][1];
  EXPECT_EQ(button["kind"], "button");
  EXPECT_EQ(button["text"], "保存");
  const ui::Rect screen = driver_.Invoke([this] { return screen_->button_.ScreenRect(); });
  EXPECT_EQ(button["rect"], (nlohmann::ordered_json::array({screen.left, screen.top, screen.right, screen.bottom})));
  const auto& list = window["controls"][2];
  EXPECT_EQ(list["kind"], "list");
  EXPECT_EQ(list["columns"], (nlohmann::ordered_json::array({"名称", "说明"})));
  EXPECT_EQ(list["rows"].size(), 40u);
  EXPECT_EQ(list["rows"][3], (nlohmann::ordered_json::array({"行3", "第一行\n第二行"})));
  EXPECT_EQ(list["selected"], -1);
  EXPECT_EQ(list["topRow"], 0);
  EXPECT_EQ(window["menuBar"][1]["text"], "菜单");
  EXPECT_EQ(window["menuBar"][1]["items"][0]["text"], "刷新");
  EXPECT_TRUE((*dump)["popupMenu"].is_null());
  EXPECT_TRUE((*dump)["launcher"].is_null());
}

TEST_F(Automation, TapTextTapsAButtonAMenuAndARowOutOfView) {
  ASSERT_TRUE(driver_.Engine().TapText(u"保存").ok);
  EXPECT_EQ(driver_.Invoke([this] { return screen_->saves; }), 1);
  ASSERT_TRUE(driver_.Engine().TapText(u"菜单").ok);
  const auto refresh = driver_.Engine().TapText(u"刷新");
  ASSERT_TRUE(refresh.ok) << refresh.why;
  EXPECT_EQ(driver_.Invoke([this] { return screen_->refreshes; }), 1);
  ASSERT_TRUE(driver_.Engine().TapText(u"行35").ok);
  EXPECT_EQ(driver_.Invoke([this] { return screen_->list_.GetSelected(); }), 35);
  // One line of a row drawn on several lines, the third row showing it.
  ASSERT_TRUE(driver_.Engine().TapText(u"第二行", 3).ok);
  EXPECT_EQ(driver_.Invoke([this] { return screen_->list_.GetSelected(); }), 2);
  const auto missing = driver_.Engine().TapText(u"没有");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.why, "nothing shows \"没有\"");
}

TEST(AutomationEnd, WaitsEndAtOnceOnceTheProgramHasEnded) {
  ScreenDriver driver;
  driver.Engine().MarkEnded();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(driver.Engine().WaitDialog(u"never", 5000ms).ok);
  EXPECT_FALSE(driver.Engine().Sync());
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
}

TEST(ShownText, MatchesTheWholeTextOrOneOfItsLines) {
  using ui::automation::ShownTextMatches;
  EXPECT_TRUE(ShownTextMatches(u"设置", u"设置"));
  EXPECT_TRUE(ShownTextMatches(u"第一行\r\n第二行", u"第二行"));
  EXPECT_TRUE(ShownTextMatches(u"第一行\n第二行", u"第一行"));
  EXPECT_FALSE(ShownTextMatches(u"第一行\n第二行", u"第一"));
  EXPECT_FALSE(ShownTextMatches(u"设置", u""));
}

}  // namespace
}  // namespace tarvo::testing
