// The series canvas's layout and scrolling: cells of mixed name widths never
// run into each other, a cut name keeps whole characters, the scroll bar and
// finger drags move the same offset, and the screen looks as its reference.
#include "YoukuFixture.h"
#include "video/screens/CVirtualSeriesVideo.h"
#include "video/screens/SeriesLayout.h"

namespace tarvo::testing {
namespace {
using namespace ::tarvo::video;

// A width per character: CJK 18, others 8, like the small screen's font.
int FakeWidth(WStringView text) {
  int w = 0;
  for (char16_t c : text) w += c >= 0x2E80 ? 18 : 8;
  return w;
}

SeriesGeometry Geometry(int width) { return SeriesGeometry{width, 27, 18, FakeWidth, 13}; }

SectionEntry Show(std::vector<WString> names, WString groupName = u"") {
  EpisodeGroup group{std::move(groupName), {}};
  for (size_t i = 0; i < names.size(); ++i)
    group.episodes.push_back(VideoRecord{names[i], u"", u"e" + FromUtf8(std::to_string(i))});
  return SectionEntry{u"剧", u"u", u"t", u"", {std::move(group)}};
}

void ExpectNoOverlapAndWholeTexts(const SeriesLayout& layout, int width) {
  for (size_t i = 0; i < layout.cells.size(); ++i) {
    const SeriesCell& a = layout.cells[i];
    EXPECT_LE(a.rect.right, width - 13) << ToUtf8(a.text);
    EXPECT_LE(FakeWidth(a.text), a.rect.Width()) << ToUtf8(a.text);
    for (size_t j = i + 1; j < layout.cells.size(); ++j) {
      const ui::Rect& b = layout.cells[j].rect;
      const bool apart = a.rect.right <= b.left || b.right <= a.rect.left || a.rect.bottom <= b.top ||
                         b.bottom <= a.rect.top;
      EXPECT_TRUE(apart) << ToUtf8(a.text) << " / " << ToUtf8(layout.cells[j].text);
    }
  }
}

TEST(SeriesLayoutGrid, ADateNameAfterAShortFirstNameGetsAWideEnoughCell) {
  const SeriesLayout layout = LayOutSeries({Show({u"第1集", u"2009-01-02", u"第3集", u"2009-01-04"})}, false,
                                           Geometry(240));
  // The widest name (ten narrow characters, 80) plus a row unit.
  EXPECT_EQ(layout.cellWidth, 98);
  EXPECT_EQ(layout.columns, 2);
  ExpectNoOverlapAndWholeTexts(layout, 240);
  ASSERT_EQ(layout.cells.size(), 5u);
  EXPECT_EQ(layout.cells[2].text, u"2009-01-02");
  // No empty line for the nameless episode list: episodes follow the title.
  EXPECT_EQ(layout.cells[1].rect.top, 27);
  EXPECT_EQ(layout.contentHeight, 27 * 3);
}

TEST(SeriesLayoutGrid, ANameWiderThanTheScreenIsCutAfterAWholeCharacter) {
  const SeriesLayout layout =
      LayOutSeries({Show({u"第1集", u"一二三四五六七八九十一二三四五六七八九十"})}, false, Geometry(240));
  EXPECT_EQ(layout.columns, 1);
  EXPECT_EQ(layout.cellWidth, 240 - 20 - 20);
  ASSERT_EQ(layout.cells.size(), 3u);
  // 200 pixels: ".." takes 16, ten whole characters (180) fit before it.
  EXPECT_EQ(layout.cells[2].text, u"一二三四五六七八九十..");
  ExpectNoOverlapAndWholeTexts(layout, 240);
}

TEST(SeriesLayoutGrid, VarietyCellsCutTheirNamesToHalfTheWidth) {
  const SeriesLayout layout =
      LayOutSeries({Show({u"2010-05-01 快乐大本营", u"2010-05-08 快乐大本营", u"短"}, u"2010")}, true,
                   Geometry(240));
  EXPECT_EQ(layout.columns, 2);
  ASSERT_EQ(layout.cells.size(), 5u);
  EXPECT_EQ(layout.cells[1].text, u"2010");
  // Half of 200 less half a row unit (91): nine characters and "..".
  EXPECT_EQ(layout.cells[2].text, u"2010-05-0..");
  EXPECT_EQ(layout.cells[4].text, u"短");
  ExpectNoOverlapAndWholeTexts(layout, 240);
  for (int width : {320, 480}) {
    ExpectNoOverlapAndWholeTexts(
        LayOutSeries({Show({u"2010-05-01 快乐大本营", u"2010-05-08 快乐大本营"})}, true, Geometry(width)), width);
  }
}

TEST(SeriesLayoutGrid, ASurrogatePairIsNeverSplit) {
  // Each pair is two UTF-16 units the fake font measures 36 wide.
  const WString name = u"\U0002000B\U0002000B\U0002000B\U0002000B\U0002000B\U0002000B";
  EXPECT_EQ(CutToWidth(name, 100, FakeWidth), u"\U0002000B\U0002000B..");
  EXPECT_EQ(CutToWidth(name, 500, FakeWidth), name);
  EXPECT_EQ(CutToWidth(name, 10, FakeWidth), u"..");
}

class SeriesScreen : public YoukuFixture, public ::testing::WithParamInterface<std::pair<int, int>> {
 protected:
  void OpenDatedSeries(int episodes) {
    std::vector<std::pair<std::string, std::string>> list{{"e0", "第1集"}};
    for (int i = 1; i < episodes; ++i) {
      char date[8];
      std::snprintf(date, sizeof date, "09%02d%02d", 1 + (i / 28) % 12, 1 + i % 28);
      list.emplace_back("e" + std::to_string(i), date);
    }
    Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({}, SeriesBlock("1001")));
    Serve("/show_eplist/showid_z1001_type_list.html", EpisodePage(list));
    const auto [width, height] = GetParam();
    LaunchVideo(width, height);
    OpenSearch();
    TypeKeyword(u"abc");
    TapSearch();
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
    TapRow(994, 0);
    ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  }
  struct State {
    int offset, lowest, barPos, barMax;
    std::vector<ui::PaintedText> painted;
    ui::Rect bar, thumb;
  };
  State Read() {
    return driver_->Invoke([this] {
      auto* series = dynamic_cast<CVirtualSeriesVideo*>(driver_->GetUi().ActiveWindow());
      State s{0, 0, -1, -1, {}, {}, {}};
      if (!series) return s;
      s.offset = series->ScrollOffset();
      s.lowest = series->LowestOffset();
      s.barPos = series->Bar().Pos();
      s.barMax = series->Bar().MaxPos();
      series->DescribePainted(s.painted);
      s.bar = series->Bar().ScreenRect();
      s.thumb = series->Bar().ThumbRect().Offset(s.bar.left, s.bar.top);
      return s;
    });
  }
  std::string Size() const {
    return std::to_string(GetParam().first) + "x" + std::to_string(GetParam().second);
  }
};

TEST_P(SeriesScreen, DatedCellsStandApartAndTheBarFollowsDrags) {
  OpenDatedSeries(40);
  SaveVideoScreen("series-dates-" + Size());
  const auto [width, height] = GetParam();
  State s = Read();
  ASSERT_FALSE(s.painted.empty());
  for (size_t i = 0; i < s.painted.size(); ++i)
    for (size_t j = i + 1; j < s.painted.size(); ++j) {
      const ui::Rect& a = s.painted[i].rect;
      const ui::Rect& b = s.painted[j].rect;
      EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top)
          << ToUtf8(s.painted[i].text) << " / " << ToUtf8(s.painted[j].text);
    }
  // Every date is shown whole.
  for (const auto& p : s.painted)
    if (p.text.size() == 10) {
      EXPECT_EQ(p.text.substr(0, 3), u"200");
    }
  EXPECT_EQ(s.offset, 0);
  EXPECT_EQ(s.barPos, 0);
  EXPECT_EQ(s.barMax, -s.lowest);
  ASSERT_LT(s.lowest, 0);

  // A finger drag upwards shows later rows; the bar moves with it.
  const int x = width / 3;
  driver_->PenDown({x, height / 2});
  driver_->AdvanceTime(100);
  for (int y = height / 2 - 20; y >= height / 2 - 80; y -= 20) driver_->PenMove({x, y});
  driver_->PenUp({x, height / 2 - 80});
  s = Read();
  EXPECT_EQ(s.offset, std::max(s.lowest, -80));
  EXPECT_EQ(s.barPos, -s.offset);

  // The bar's thumb dragged to the bottom shows the content's end.
  const ui::Point thumb{(s.thumb.left + s.thumb.right) / 2, (s.thumb.top + s.thumb.bottom) / 2};
  driver_->PenDown(thumb);
  driver_->PenMove({thumb.x, thumb.y + height});
  driver_->PenUp({thumb.x, thumb.y + height});
  s = Read();
  EXPECT_EQ(s.offset, s.lowest);
  EXPECT_EQ(s.barPos, s.barMax);
  SaveVideoScreen("series-dates-end-" + Size());

  // A tap on the track above the thumb goes a page back; Home the top.
  driver_->Tap({(s.bar.left + s.bar.right) / 2, s.bar.top + 1});
  State paged = Read();
  EXPECT_GT(paged.offset, s.offset);
  EXPECT_EQ(paged.barPos, -paged.offset);
  driver_->Key(ui::keys::kHome);
  EXPECT_EQ(Read().barPos, 0);
}

TEST_P(SeriesScreen, ShortContentNeverScrolls) {
  OpenDatedSeries(2);
  State s = Read();
  EXPECT_EQ(s.lowest, 0);
  EXPECT_EQ(s.barMax, 0);
  const auto [width, height] = GetParam();
  driver_->PenDown({width / 3, height / 2});
  driver_->AdvanceTime(100);
  for (int y = height / 2 - 20; y >= height / 2 - 80; y -= 20) driver_->PenMove({width / 3, y});
  driver_->PenUp({width / 3, height / 2 - 80});
  EXPECT_EQ(Read().offset, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SeriesScreen,
                         ::testing::Values(std::pair{240, 320}, std::pair{480, 800}, std::pair{320, 240}),
                         [](const auto& info) {
                           return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });

TEST_F(YoukuFixture, TheSeriesScreenMatchesItsReference) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({}, SeriesBlock("1001")));
  Serve("/show_eplist/showid_z1001_type_list.html",
        EpisodePage({{"e1", "第1集"}, {"e2", "090102"}, {"e3", "090103"}, {"e4", "第4集"}, {"e5", "090105"}}));
  LaunchVideo();
  OpenSearch();
  TypeKeyword(u"abc");
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 0);
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  EXPECT_TRUE(MatchesReferencePng(driver_->Screenshot(), "video-series-240x320.png"));
}

}  // namespace
}  // namespace tarvo::testing
