#include <gtest/gtest.h>

#include "app/ScreenMetrics.h"
#include "launcher/items/GridLayout.h"

namespace tarvo {
namespace {

TEST(ScreenMetrics, ClassesByProductAndRefusals) {
  EXPECT_EQ(ResolutionClassFor(240, 320), 1);
  EXPECT_EQ(ResolutionClassFor(320, 240), 1);
  EXPECT_EQ(ResolutionClassFor(800, 480), 4);
  EXPECT_EQ(ResolutionClassFor(480, 272), std::nullopt);
  ScreenMetrics metrics;
  EXPECT_FALSE(MeasureScreen(metrics, 480, 272));
  ASSERT_TRUE(MeasureScreen(metrics, 320, 480));
  EXPECT_EQ(metrics.ResolutionClass, 5);
  EXPECT_EQ(metrics.TextHeight, 24);
  EXPECT_EQ(metrics.ButtonWidth, 60);
  ASSERT_TRUE(MeasureScreen(metrics, 800, 480));
  EXPECT_EQ(metrics.TextHeight, 36);
  EXPECT_EQ(metrics.ButtonHeight, 48);
  EXPECT_EQ(metrics.IconSize, 90);
}

TEST(GridLayout, EighteenItemsOnTheSmallestScreen) {
  GridLayout layout(1, 18, 320);
  layout.Relayout(false, 0, 18);
  EXPECT_EQ(layout.Columns(), 4);
  EXPECT_EQ(layout.ColumnPitch(), 57);
  EXPECT_EQ(layout.RowPitch(), 72);
  EXPECT_EQ(layout.ContentHeight(), 372);
  ASSERT_EQ(layout.IconRects().size(), 18u);
  EXPECT_EQ(layout.IconRects()[0], (Rect{12, 30, 57, 75}));
  EXPECT_EQ(layout.IconRects()[5], (Rect{69, 102, 114, 147}));  // second row, second column
  EXPECT_EQ(layout.CaptionRects()[0], (Rect{5, 75, 64, 95}));
  EXPECT_EQ(layout.CellRects()[0], (Rect{5, 30, 64, 95}));
}

TEST(GridLayout, RotationTakesTheLandscapeConstants) {
  GridLayout layout(1, 18, 240);
  layout.Relayout(true, 0, 18);
  EXPECT_EQ(layout.Columns(), 5);
  EXPECT_EQ(layout.Margin(), 15);
  EXPECT_EQ(layout.CaptionOverhang(), 10);
  EXPECT_EQ(layout.ContentHeight(), 15 + 4 * 72);
  GridLayout square(7, 36, 480);
  square.Relayout(true, 0, 3);
  EXPECT_EQ(square.Columns(), 4);
  EXPECT_EQ(square.ContentHeight(), 480);  // raised to the screen height
  EXPECT_EQ(square.SmallIconSize(), 54);
}

TEST(GridLayout, HitTestingFollowsWhatIsDrawn) {
  GridLayout layout(1, 18, 320);
  layout.Relayout(false, 0, 18);
  // The first icon shows at (12, 12)..(57, 57): the top band lies above the screen.
  EXPECT_EQ(layout.HitTest(20, 15, 0), 1);
  EXPECT_EQ(layout.HitTest(20, 5, 0), 0);   // above the first row: nothing
  EXPECT_EQ(layout.HitTest(20, 15 + 72, 0), 5);
  EXPECT_EQ(layout.HitTest(20, 15 - 52, -52), 1);
  EXPECT_EQ(layout.HitTest(66, 40, 0), 2);  // captions overhang into the gap
  EXPECT_EQ(layout.HitTest(300, 40, 0), 0);
}

TEST(SpringBack, PulledDownReturnsInStepsOfFifty) {
  int offset = 120;
  std::vector<int> steps;
  while (SpringBackStep(offset, 372, 320)) steps.push_back(offset);
  EXPECT_EQ(steps, (std::vector<int>{70, 20, 0}));
}

TEST(SpringBack, RestsOnlyAtTheTopOrTheEnd) {
  int offset = -10;
  EXPECT_TRUE(SpringBackStep(offset, 372, 320));
  EXPECT_EQ(offset, -52);
  EXPECT_FALSE(SpringBackStep(offset, 372, 320));
  offset = -130;  // 78 past the end
  EXPECT_TRUE(SpringBackStep(offset, 372, 320));
  EXPECT_EQ(offset, -80);
  EXPECT_TRUE(SpringBackStep(offset, 372, 320));
  EXPECT_EQ(offset, -52);
  offset = -30;  // a grid no taller than the screen
  EXPECT_TRUE(SpringBackStep(offset, 320, 320));
  EXPECT_EQ(offset, 0);
}

}  // namespace
}  // namespace tarvo
