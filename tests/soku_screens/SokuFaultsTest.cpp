// Every fault kind of the stand-ins on the Soku search page, an entry page
// and a thumbnail: what came is read as far as it came, a failure says why,
// nothing stale opens and nothing hangs.
#include "SokuFixture.h"

namespace tarvo::testing {
namespace {

using namespace video;
using namespace soku;
using Clock = std::chrono::steady_clock;

struct SokuFault {
  const char* name;
  const char* kind;
  // A whole page without a result section (a 404 page, garbage) is skipped
  // as an entry page; a page cut off inside its section reads as broken.
  bool entrySkipped;
};

std::vector<SokuFault> Kinds() {
  return {{"stall", "stall", false},         {"resetAtOnce", "reset:0", false},   {"empty", "empty", false},
          {"stallAfterHeaders", "stall-body:0", false}, {"status404", "status:404", true},
          {"garbage", "garbage", true},      {"brokenOff", "reset:300", false}};
}

class SokuFaults : public SokuFixture, public ::testing::WithParamInterface<SokuFault> {
 protected:
  // The picture drawn at a row's image slot, at its centre.
  uint32_t SlotCentre(int slot) {
    return driver_->Invoke([this, slot] {
      ui::Canvas canvas(108, 108);
      dynamic_cast<CSokuVideo*>(driver_->GetUi().ActiveWindow())->Images().Draw(canvas, slot, ui::Point{0, 0});
      return canvas.ColorAt(54, 54);
    });
  }
};

TEST_P(SokuFaults, OnTheSearchPageAnyFaultSaysTheSearchFailedAndTheNextSearchIsFresh) {
  Launch();
  OpenSearch();
  ASSERT_TRUE(servers_.ArmFault("/v", GetParam().kind, 1));
  const auto start = Clock::now();
  Search(u"海潮");
  // No result page came, whatever came instead: the search failed.
  ExpectBox(u"搜索失败,可能无法连接服务器或搜索超时.", ui::kOkCaption, u"Tarvo");
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  ASSERT_TRUE(driver_->WaitFor([this] {
    ui::Window* top = driver_->GetUi().ActiveWindow();
    return dynamic_cast<CSokuSearch*>(top) != nullptr || dynamic_cast<CSokuVideo*>(top) != nullptr;
  }));
  if (Top<CSokuVideo>()) {
    EXPECT_TRUE(Rows().empty());
    TapControl(CVirtualVideo::kBackId);
    ASSERT_TRUE(WaitForScreen<CSokuSearch>());
  }
  // The fault was for one request: the same search now lists the show.
  TapControl(CSokuSearch::kSearchId);
  ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  ASSERT_TRUE(driver_->WaitFor([this] { return RowCountHere() > 0; }));
  EXPECT_EQ(Rows().at(0).rfind("点击查看所有【电视剧】", 0), 0u);
}

TEST_P(SokuFaults, OnAnEntryPageABodyIsSkippedAndNoBodyOpensNothing) {
  Launch();
  SearchToList(u"海潮");
  ASSERT_TRUE(servers_.ArmFault("/soku/entry/ca01.html", GetParam().kind, 1));
  TapRow(994, 1);  // the cartoon: one entry page
  if (GetParam().entrySkipped) {
    // Skipped: the series screen opens without the cartoon's groups.
    ASSERT_TRUE(WaitForSeries(kSokuCartoon));
    const auto texts = PaintedTexts();
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "第一部"), texts.end());
    TapControl(CVirtualSeriesVideo::kBackId);
    ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  } else {
    ExpectBox(u"搜索超时或读取网页数据失败!", ui::kOkCaption, u"Tarvo");
    EXPECT_TRUE(Top<CSokuVideo>());
  }
  // Nothing of the failed tap was kept: the next one fetches and shows all.
  TapRow(994, 1);
  ASSERT_TRUE(WaitForSeries(kSokuCartoon));
  EXPECT_EQ(PaintedTexts().at(1), "第一部");
  EXPECT_EQ(CountRequests("/soku/entry/ca01.html"), 2u);
}

TEST_P(SokuFaults, AThumbnailThatFailsKeepsItsPlaceholder) {
  ASSERT_TRUE(servers_.ArmFault("/soku/img/hc01.jpg", GetParam().kind, 0));
  Launch();
  OpenSearch();
  CSokuSearch* search = Top<CSokuSearch>();
  Search(u"海潮");
  ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  // Rows 4 (hc01, failing) and 5 (hc02) are the first two videos.
  ASSERT_TRUE(driver_->WaitFor([search] { return search->Thumbnails()->IsReady(5); }));
  ASSERT_TRUE(driver_->WaitFor([search] { return search->Thumbnails()->IsReady(13); }));
  EXPECT_EQ(SlotCentre(4), ui::Rgb(0xE4, 0xE8, 0xEE));  // the placeholder's fill
  EXPECT_NE(SlotCentre(5), ui::Rgb(0xE4, 0xE8, 0xEE));
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());
  // The list still closes at once.
  TapControl(CVirtualVideo::kBackId);
  EXPECT_TRUE(WaitForScreen<CSokuSearch>());
}

INSTANTIATE_TEST_SUITE_P(Kinds, SokuFaults, ::testing::ValuesIn(Kinds()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvo::testing
