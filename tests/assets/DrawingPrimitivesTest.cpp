// The generator's drawing primitives: shape inside tests, mask arithmetic and
// glyph scaling, checked on small cases whose answer is known.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "Lettering.h"
#include "Mask.h"
#include "Raster.h"
#include "Shapes.h"

namespace tarvo::pictures {
namespace {

TEST(Shapes, ArcBandSpansAcrossZeroDegrees) {
  // From 305 clockwise through 0 to 235: everything but a gap at the top.
  const Shape arc = ArcBand(0, 0, 10, 5, 305, 235);
  EXPECT_TRUE(arc(7, 0));    // 0 degrees (right)
  EXPECT_TRUE(arc(0, 7));    // 90 (down on screen)
  EXPECT_TRUE(arc(-7, 0));   // 180
  EXPECT_FALSE(arc(0, -7));  // 270 (up): the gap
  EXPECT_FALSE(arc(1, 1));   // inside the hole
}

TEST(Shapes, RoundRectCutsItsCornersOnly) {
  const Shape r = RoundRect(0, 0, 20, 10, 4);
  EXPECT_TRUE(r(10, 5));
  EXPECT_TRUE(r(10, 0.2));    // straight top edge
  EXPECT_FALSE(r(0.3, 0.3));  // rounded corner
  EXPECT_FALSE(r(21, 5));
}

TEST(Shapes, RoundRectRadiusIsCappedByTheShorterSide) {
  const Shape r = RoundRect(0, 0, 10, 4, 50);  // behaves as a pill of radius 2
  EXPECT_TRUE(r(5, 2));
  EXPECT_TRUE(r(0.2, 2));
  EXPECT_FALSE(r(0.2, 0.2));
}

TEST(Shapes, PolygonUsesEvenOddFilling) {
  const Shape triangle = Polygon({{0, 0}, {10, 0}, {0, 10}});
  EXPECT_TRUE(triangle(2, 2));
  EXPECT_FALSE(triangle(8, 8));
}

TEST(Shapes, GearHasTeethBetweenRimAndTip) {
  const Shape gear = Gear(0, 0, 10, 7, 4, 2);
  int inRingBand = 0;
  for (int deg = 0; deg < 360; ++deg) {
    const double rad = deg * 3.14159265358979 / 180.0;
    inRingBand += gear(8.5 * std::cos(rad), 8.5 * std::sin(rad)) ? 1 : 0;
  }
  // Four teeth cover part of the band between 7 and 10, never all or none.
  EXPECT_GT(inRingBand, 40);
  EXPECT_LT(inRingBand, 320);
  EXPECT_FALSE(gear(0, 0));   // the hole
  EXPECT_TRUE(gear(5, 0));    // the solid rim
  EXPECT_FALSE(gear(11, 0));  // beyond the tips
}

TEST(Shapes, RotatedTurnsClockwiseOnScreen) {
  const Shape right = Capsule({0, 0}, {10, 0}, 1);
  const Shape down = Rotated(right, 0, 0, 90);
  EXPECT_TRUE(down(0, 8));
  EXPECT_FALSE(down(8, 0));
}

TEST(MaskCoverage, EdgePixelsArePartlyCovered) {
  // A half-plane boundary through the middle of pixel column 2.
  const Mask m = Mask::FromShape(4, 1, 1.0, [](double x, double) { return x < 2.5; }, 4);
  EXPECT_FLOAT_EQ(m.At(0, 0), 1.0f);
  EXPECT_NEAR(m.At(2, 0), 0.5f, 0.01f);
  EXPECT_FLOAT_EQ(m.At(3, 0), 0.0f);
  EXPECT_FLOAT_EQ(m.At(-1, 0), 0.0f);  // outside the map
}

TEST(MaskCoverage, BlurKeepsTotalCoverageAwayFromTheEdges) {
  Mask m(21, 21);
  m.Set(10, 10, 1.0f);
  const Mask blurred = m.Blurred(2);
  double total = 0;
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 21; ++x) total += blurred.At(x, y);
  EXPECT_NEAR(total, 1.0, 1e-4);
  EXPECT_GT(blurred.At(10, 10), blurred.At(12, 10));
}

TEST(MaskCoverage, SubtractAndShift) {
  Mask a(3, 1);
  a.Set(0, 0, 1.0f);
  a.Set(1, 0, 1.0f);
  Mask b(3, 1);
  b.Set(1, 0, 0.25f);
  a.Subtract(b);
  EXPECT_FLOAT_EQ(a.At(1, 0), 0.75f);
  const Mask moved = a.Shifted(1, 0);
  EXPECT_FLOAT_EQ(moved.At(0, 0), 0.0f);
  EXPECT_FLOAT_EQ(moved.At(1, 0), 1.0f);
}

TEST(RasterBlending, HalfCoverageOverTransparentKeepsColourAndHalvesAlpha) {
  Raster r(1, 1);
  Mask m(1, 1);
  m.Set(0, 0, 0.5f);
  r.Draw(m, Rgb(255, 0, 0));
  EXPECT_FLOAT_EQ(r.At(0, 0).r, 1.0f);
  EXPECT_FLOAT_EQ(r.At(0, 0).a, 0.5f);
}

TEST(RasterBlending, HalfSizeIgnoresColourOfTransparentPixels) {
  Raster r(2, 2);
  Mask one(2, 2);
  one.Set(0, 0, 1.0f);
  r.Draw(one, Rgb(0, 0, 255));
  const Raster half = r.HalfSize();
  ASSERT_EQ(half.Width(), 1);
  EXPECT_FLOAT_EQ(half.At(0, 0).b, 1.0f);  // not darkened by the empty pixels
  EXPECT_FLOAT_EQ(half.At(0, 0).a, 0.25f);
}

TEST(HslColours, PrimaryHues) {
  const Color red = Hsl(0, 1, 0.5);
  EXPECT_NEAR(red.r, 1.0f, 1e-5);
  EXPECT_NEAR(red.g, 0.0f, 1e-5);
  const Color blue = Hsl(240, 1, 0.5);
  EXPECT_NEAR(blue.b, 1.0f, 1e-5);
  EXPECT_NEAR(blue.r, 0.0f, 1e-5);
  const Color grey = Hsl(123, 0, 0.4);
  EXPECT_NEAR(grey.r, grey.b, 1e-5);
}

class GlyphScaling : public ::testing::Test {
 protected:
  static constexpr const char* kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
};

TEST_F(GlyphScaling, SolidPartsOfAScaledGlyphAreFullyCovered) {
  if (!std::filesystem::exists(kFont)) GTEST_SKIP() << "font not installed";
  const Lettering bold(kFont);
  ASSERT_TRUE(bold.IsOpen());
  // "I" scaled into a 12 x 40 box: its stem is a solid bar, so whole pixels
  // inside it must be fully covered whatever the scale's rounding.
  for (const double boxHeight : {40.0, 33.0, 27.5}) {
    const Mask m = bold.Text(64, 64, "I", 32, 32, 40, boxHeight);
    int fullRows = 0;
    for (int y = 0; y < 64; ++y) {
      if (m.At(32, y) > 0.999f) ++fullRows;
      if (m.At(32, y) > 0.2f && m.At(32, y) < 0.999f && m.At(32, y - 1) > 0.999f &&
          m.At(32, y + 1) > 0.999f)
        ADD_FAILURE() << "a weak pixel inside the stem at row " << y << " (box " << boxHeight << ")";
    }
    EXPECT_NEAR(fullRows, boxHeight, 2.0);
  }
}

TEST_F(GlyphScaling, MissingFontGivesAnEmptyMask) {
  const Lettering none("/nonexistent/font.ttf");
  EXPECT_FALSE(none.IsOpen());
  const Mask m = none.Text(8, 8, "A", 4, 4, 8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(m.At(x, y), 0.0f);
}

}  // namespace
}  // namespace tarvo::pictures
