#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include "platform/ui/Canvas.h"

namespace tarvo::ui {
namespace {

class FontTest : public ::testing::Test {
 protected:
  FontEngine engine_;
};

TEST_F(FontTest, TheCjkSystemFontIsFound) {
  EXPECT_TRUE(engine_.IsLoaded()) << FontEngine::FindCjkFontPath();
}

TEST_F(FontTest, FontsKeepTheirLineHeightAndCjkCharactersShareOneWidth) {
  for (int height : {18, 24, 36}) {
    Font font = engine_.Create(height);
    EXPECT_EQ(font.Height(), height);
    int wide = font.CharWidth(U'恒');
    EXPECT_GT(wide, height / 2);
    EXPECT_LE(wide, height);
    EXPECT_EQ(font.CharWidth(U'中'), wide);
    EXPECT_LT(font.CharWidth(U'i'), wide);
  }
}

TEST_F(FontTest, TextWidthIsTheSumOfCharacterWidths) {
  Font font = engine_.Create(18);
  WString text = u"第 12 页 Tarvo";
  int sum = 0;
  for (char16_t c : text) sum += font.CharWidth(c);
  EXPECT_EQ(font.TextWidth(text), sum);
}

TEST_F(FontTest, FitCountStopsBeforeTheCharacterThatOverflows) {
  Font font = engine_.Create(18);
  int w = font.CharWidth(U'恒');
  EXPECT_EQ(font.FitCount(u"恒恒恒恒", 3 * w), 3u);
  EXPECT_EQ(font.FitCount(u"恒恒恒恒", 3 * w - 1), 2u);
  EXPECT_EQ(font.FitCount(u"恒", 0), 0u);
}

TEST_F(FontTest, WrappingBreaksAtLineEndsSpacesAndOverflow) {
  Font font = engine_.Create(18);
  int w = font.CharWidth(U'恒');
  auto lines = font.WrapLines(u"恒恒恒恒恒\r\n\nab", 2 * w);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], u"恒恒");
  EXPECT_EQ(lines[2], u"恒");
  EXPECT_EQ(lines[3], u"");
  EXPECT_EQ(lines[4], u"ab");
  int space = font.TextWidth(u"hello wor");
  auto words = font.WrapLines(u"hello world", space);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0], u"hello");
  EXPECT_EQ(words[1], u"world");
  // An indented paragraph keeps its indent on the line with its first words.
  auto indented = font.WrapLines(u"  恒恒恒恒", 3 * w);
  ASSERT_EQ(indented.size(), 2u);
  EXPECT_EQ(indented[0].substr(0, 3), u"  恒");
}

TEST_F(FontTest, AWidthTooSmallForOneCharacterStillMakesProgress) {
  Font font = engine_.Create(18);
  auto lines = font.WrapLines(u"恒恒", 1);
  EXPECT_EQ(lines.size(), 2u);
}

TEST(FontFallback, AMissingFontFileStillMeasuresAndDraws) {
  FontEngine engine("/nonexistent/font.ttc");
  EXPECT_FALSE(engine.IsLoaded());
  Font font = engine.Create(18);
  EXPECT_GT(font.TextWidth(u"恒a"), 0);
  Canvas canvas(40, 20, PixelFormat::Xrgb, 0xFFFFFFFF);
  canvas.DrawText(font, u"恒", Rect{0, 0, 40, 20}, Rgb(0, 0, 0));
  bool inked = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) inked |= canvas.ColorAt(x, y) != Rgb(255, 255, 255);
  EXPECT_TRUE(inked);
}

TEST_F(FontTest, TextIsPlacedByAlignmentAndClippedToItsRectangle) {
  Font font = engine_.Create(18);
  Canvas canvas(100, 30, PixelFormat::Xrgb, 0xFFFFFFFF);
  canvas.DrawText(font, u"恒", Rect{0, 0, 100, 30}, Rgb(0, 0, 0), kAlignRight | kAlignVCenter);
  int minX = 100, maxX = -1;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x)
      if (canvas.ColorAt(x, y) != Rgb(255, 255, 255)) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
      }
  EXPECT_GE(minX, 100 - font.CharWidth(U'恒') - 1);
  EXPECT_LE(maxX, 99);

  Canvas clipped(100, 30, PixelFormat::Xrgb, 0xFFFFFFFF);
  clipped.DrawText(font, u"恒恒恒恒恒恒恒恒恒", Rect{10, 0, 30, 30}, Rgb(0, 0, 0));
  for (int y = 0; y < 30; ++y) {
    EXPECT_EQ(clipped.ColorAt(9, y), Rgb(255, 255, 255));
    EXPECT_EQ(clipped.ColorAt(30, y), Rgb(255, 255, 255));
  }
}

TEST_F(FontTest, UnderlinedTextDrawsALineUnderTheGlyphs) {
  Font font = engine_.Create(18);
  Canvas plain(60, 18, PixelFormat::Xrgb, 0xFFFFFFFF);
  Canvas under(60, 18, PixelFormat::Xrgb, 0xFFFFFFFF);
  plain.DrawText(font, u"abc", Rect{0, 0, 60, 18}, Rgb(0, 0, 255), kAlignLeft | kAlignTop);
  under.DrawText(font.WithUnderline(true), u"abc", Rect{0, 0, 60, 18}, Rgb(0, 0, 255), kAlignLeft | kAlignTop);
  int row = std::min(font.Height() - 1, font.Baseline() + 1);
  EXPECT_EQ(under.ColorAt(1, row), Rgb(0, 0, 255));
  EXPECT_NE(plain.ColorAt(1, row), Rgb(0, 0, 255));
}

}  // namespace
}  // namespace tarvo::ui
