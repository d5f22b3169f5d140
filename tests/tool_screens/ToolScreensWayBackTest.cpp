#include "settings/WayBackFixture.h"
#include "tools/screens/CDownloadManager.h"
#include "tools/screens/CKeyManager.h"

namespace tarvo::testing {
namespace {

struct ToolScreen {
  const char* name;
  const char16_t* caption;
  int (*run)(CTarvoApp&);
  std::vector<WString> softKeys;
};
void PrintTo(const ToolScreen& screen, std::ostream* out) { *out << screen.name; }

const ToolScreen kScreens[] = {
    {"KeywordManager", u"关键词管理", [](CTarvoApp& app) { return CKeyManager(app).DoModal(); }, {}},
    {"DownloadManager", u"下载管理",
     [](CTarvoApp& app) { return CDownloadManager(app, {{u"第1段", u"http://127.0.0.1:1/1.flv"}}).DoModal(); },
     {u"下载"}},
};

class ToolWayBack : public WayBackFixture, public ::testing::WithParamInterface<ToolScreen> {
 protected:
  void Open() {
    Launch();
    OpenScreen(GetParam().run, GetParam().caption);
  }
};

TEST_P(ToolWayBack, TheSoftKeysHoldOnlyTheScreensOwnCommands) {
  Open();
  EXPECT_EQ(driver_->SoftKeys(), GetParam().softKeys);
}

TEST_P(ToolWayBack, TheTopBarsOkEndsTheScreenWithOk) {
  Open();
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(Ended());
  EXPECT_EQ(code_, ui::kIdOk);
}

TEST_P(ToolWayBack, OkDoesNothingWhileAMessageBoxIsOverTheScreen) {
  Open();
  RaiseMessageBox();
  driver_->TapOkButton();
  driver_->Sync();
  EXPECT_TRUE(driver_->ShownMessageBox().has_value());
  ASSERT_TRUE(driver_->AnswerMessageBox(ui::kOkCaption));
  EXPECT_TRUE(StillOpen(GetParam().caption));
}

TEST_P(ToolWayBack, EscapeEndsTheScreenWithCancel) {
  Open();
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(Ended());
  EXPECT_EQ(code_, ui::kIdCancel);
}

TEST_P(ToolWayBack, EnterDoesNotEndTheScreen) {
  Open();
  driver_->Key(ui::keys::kReturn);
  EXPECT_TRUE(StillOpen(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Screens, ToolWayBack, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvo::testing
