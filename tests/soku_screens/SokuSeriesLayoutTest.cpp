// The Soku series grid on its own: cells per row, the grid's left edge, the
// content height, label-less groups and the ".." cut.
#include <gtest/gtest.h>

#include "video/screens/SokuSeriesLayout.h"

namespace tarvo::video {
namespace {

using soku::SokuGroup;
using soku::SokuSeries;

// Every UTF-16 unit one CJK advance wide, as the screen font draws CJK text.
SokuGeometry Geometry(int width, int charWidth = 18) {
  return SokuGeometry{width, 280, 27, charWidth, 13,
                      [charWidth](WStringView text) { return static_cast<int>(text.size()) * charWidth; }};
}

SokuSeries Series(WStringView title, std::vector<SokuGroup> groups) {
  return SokuSeries{WString(title), u"", u"", std::move(groups)};
}

SokuGroup Group(WStringView label, int items) {
  SokuGroup group{{}, WString(label)};
  for (int i = 0; i < items; ++i)
    group.items.push_back(VideoRecord{u"标题" + WString(1, static_cast<char16_t>(u'0' + i)), u"第集", u"http://v"});
  return group;
}

TEST(SokuSeriesGrid, FiveAndNineWideCellsAtBothScreenWidths) {
  const std::vector<SokuSeries> list{Series(u"剧", {Group(u"一", 7)})};
  const SokuSeriesLayout five = LayOutSokuSeries(list, 5, Geometry(240));
  EXPECT_EQ(five.cellWidth, 108);
  EXPECT_EQ(five.cellsPerRow, 2);  // (240 - 5 - 13) / 108
  // Title, label and four lines of cells; the group counts two rows.
  EXPECT_EQ(five.contentHeight, 27 + 2 * 27 + 4 * 27);
  EXPECT_EQ(five.left, (240 + 18 - 2 * 108) / 2);
  const SokuSeriesLayout nine = LayOutSokuSeries({Series(u"剧", {Group(u"一", 9)})}, 9, Geometry(480, 27));
  EXPECT_EQ(nine.cellWidth, 270);
  EXPECT_EQ(nine.cellsPerRow, 1);
  // Taller than the screen: the scroll bar is left out of the centring.
  EXPECT_GT(nine.contentHeight, 280);
  EXPECT_EQ(nine.left, (480 + 27 - 270 - 13) / 2);
  // Cell k sits at column k mod per-row, line k / per-row.
  EXPECT_EQ(five.cells[2].rect, (ui::Rect{five.left, 54, five.left + 108, 81}));
  EXPECT_EQ(five.cells[3].rect, (ui::Rect{five.left + 108, 54, five.left + 216, 81}));
  EXPECT_EQ(five.cells[4].rect.top, 81);
  EXPECT_EQ(five.cells[2].text, u"第集");   // five wide: the caption
  EXPECT_EQ(nine.cells[2].text, u"标题0");  // nine wide: the title
}

TEST(SokuSeriesGrid, ANarrowScreenStillHasOneCellPerRowAndOneCellUsesTheBorder) {
  const SokuSeriesLayout narrow = LayOutSokuSeries({Series(u"剧", {Group(u"", 3)})}, 9, Geometry(100));
  EXPECT_EQ(narrow.cellsPerRow, 1);
  EXPECT_EQ(narrow.items.size(), 3u);
  const SokuSeriesLayout single = LayOutSokuSeries({Series(u"剧", {Group(u"一", 1)})}, 9, Geometry(240));
  EXPECT_EQ(single.left, kSokuLeftBorder);
  EXPECT_EQ(single.contentHeight, 27 * 4);  // a group of one takes one line
  EXPECT_TRUE(LayOutSokuSeries({}, 9, Geometry(240)).cells.empty());
}

TEST(SokuSeriesGrid, ALabelLessGroupStartsOnItsLabelsLine) {
  const SokuSeriesLayout layout = LayOutSokuSeries({Series(u"剧", {Group(u"", 1), Group(u"二", 1)})}, 9, Geometry(240));
  ASSERT_EQ(layout.cells.size(), 4u);
  EXPECT_EQ(layout.cells[0].text, u"剧");
  EXPECT_EQ(layout.cells[1].item, 0);
  EXPECT_EQ(layout.cells[1].rect.top, 27);  // where a label would stand
  EXPECT_EQ(layout.cells[2].text, u"二");
  EXPECT_EQ(layout.cells[2].rect.top, 54);
  EXPECT_EQ(layout.cells[3].rect.top, 81);
  EXPECT_EQ(layout.items[1].group, 1u);
}

TEST(SokuSeriesGrid, TheCutKeepsWholeCharacters) {
  const auto width = [](WStringView text) { return static_cast<int>(text.size()) * 18; };
  EXPECT_EQ(SokuCellText(VideoRecord{u"t", u"特别篇上下集"}, 5, 18, width), u"特别篇上..");
  EXPECT_EQ(SokuCellText(VideoRecord{u"t", u"特别篇上下"}, 5, 18, width), u"特别篇上下");
  // A character outside the basic plane is two units: never split.
  const WString longer = u"\U00020000\U00020001\U00020002\U00020003\U00020004\U00020005";
  EXPECT_EQ(SokuCellText(VideoRecord{u"t", longer}, 5, 18, width), u"\U00020000\U00020001\U00020002\U00020003..");
  // An empty text shows the duration.
  EXPECT_EQ(SokuCellText(VideoRecord{u"", u"", u"", u"", u"40:00"}, 9, 18, width), u"40:00");
}

}  // namespace
}  // namespace tarvo::video
