// Page-button pictures: every colour style in both directions and both sizes,
// arrows pointing the named way, colours matching the style names, and no
// pure white inside (the style chooser's image list treats it as transparent).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Picture.h"

namespace tarvo::testing {
namespace {

const std::vector<std::string> kStems = {"Blue", "Green", "Pink", "Gray", "Orange", "Brown", "Red"};

struct Variant {
  const char* suffix;
  int width;
  int height;
};
const Variant kLarge{".png", 80, 48};
const Variant kSmall{"_Small.png", 45, 24};

std::string FileName(const std::string& stem, const std::string& side, const Variant& v) {
  return stem + "_" + side + v.suffix;
}

bool IsArrowPixel(const Rgba& p) {
  return p.a == 255 && p.r >= 240 && p.g >= 240 && p.b >= 240;
}

struct Mean {
  double r = 0, g = 0, b = 0;
};

// Mean colour of the opaque pixels outside the arrow.
Mean BodyColor(const Picture& picture) {
  Mean mean;
  size_t n = 0;
  for (const Rgba& p : picture.pixels) {
    if (p.a != 255 || IsArrowPixel(p)) continue;
    mean.r += p.r;
    mean.g += p.g;
    mean.b += p.b;
    ++n;
  }
  if (n > 0) {
    mean.r /= n;
    mean.g /= n;
    mean.b /= n;
  }
  return mean;
}

using ButtonParam = std::tuple<std::string, bool>;  // stem, small

class EveryPageButton : public ::testing::TestWithParam<ButtonParam> {
 protected:
  const Variant& Size() const { return std::get<1>(GetParam()) ? kSmall : kLarge; }
  std::string Stem() const { return std::get<0>(GetParam()); }
};

TEST_P(EveryPageButton, BothSidesExistWithTheirSize) {
  for (const char* side : {"Left", "Right"}) {
    const std::string file = FileName(Stem(), side, Size());
    const auto picture = LoadPicture(TarvoImagePath(file));
    ASSERT_TRUE(picture.has_value()) << file;
    EXPECT_EQ(picture->width, Size().width) << file;
    EXPECT_EQ(picture->height, Size().height) << file;
    EXPECT_TRUE(picture->fileHasAlpha) << file;
    EXPECT_EQ(picture->At(0, 0).a, 0) << file << ": corners are rounded off";
  }
}

TEST_P(EveryPageButton, ArrowsPointTheNamedWay) {
  for (const char* side : {"Left", "Right"}) {
    const std::string file = FileName(Stem(), side, Size());
    const auto picture = LoadPicture(TarvoImagePath(file));
    ASSERT_TRUE(picture.has_value()) << file;
    // The arrow head holds more light pixels than the shaft, so the heavier
    // half is the half the arrow points to.
    size_t leftHalf = 0, rightHalf = 0;
    for (int y = 0; y < picture->height; ++y)
      for (int x = 0; x < picture->width; ++x)
        if (IsArrowPixel(picture->At(x, y))) (2 * x < picture->width ? leftHalf : rightHalf) += 1;
    ASSERT_GT(leftHalf + rightHalf, 20u) << file << ": no arrow";
    if (std::string(side) == "Left")
      EXPECT_GT(leftHalf, rightHalf) << file;
    else
      EXPECT_GT(rightHalf, leftHalf) << file;
  }
}

TEST_P(EveryPageButton, HasNoPureWhiteThatAnImageListWouldDrop) {
  for (const char* side : {"Left", "Right"}) {
    const std::string file = FileName(Stem(), side, Size());
    const auto picture = LoadPicture(TarvoImagePath(file));
    ASSERT_TRUE(picture.has_value()) << file;
    for (const Rgba& p : picture->pixels)
      ASSERT_FALSE(p.a > 0 && p.r == 255 && p.g == 255 && p.b == 255) << file;
  }
}

TEST_P(EveryPageButton, ColourMatchesTheStyleName) {
  const auto picture = LoadPicture(TarvoImagePath(FileName(Stem(), "Right", Size())));
  ASSERT_TRUE(picture.has_value());
  const Mean c = BodyColor(*picture);
  const std::string stem = Stem();
  if (stem == "Blue") {
    EXPECT_GT(c.b, c.r + 40);
    EXPECT_GT(c.b, c.g);
  } else if (stem == "Green") {
    EXPECT_GT(c.g, c.r + 30);
    EXPECT_GT(c.g, c.b + 30);
  } else if (stem == "Pink") {
    EXPECT_GT(c.r, c.g + 60);
    EXPECT_GT(c.b, c.g);  // a touch of blue tells pink from orange and red
  } else if (stem == "Gray") {
    EXPECT_LT(std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}), 25);
  } else if (stem == "Orange") {
    EXPECT_GT(c.r, c.g + 40);
    EXPECT_GT(c.g, c.b + 40);
  } else if (stem == "Brown") {
    EXPECT_GT(c.r, c.g);
    EXPECT_GT(c.g, c.b);
    EXPECT_LT(c.r, 170);  // darker than orange
  } else if (stem == "Red") {
    EXPECT_GT(c.r, c.g + 80);
    EXPECT_LT(std::abs(c.g - c.b), 40);
  }
}

TEST_P(EveryPageButton, LightArrowStandsOutFromTheBody) {
  const auto picture = LoadPicture(TarvoImagePath(FileName(Stem(), "Left", Size())));
  ASSERT_TRUE(picture.has_value());
  const Mean body = BodyColor(*picture);
  const double bodyLight = Luminance({static_cast<uint8_t>(body.r), static_cast<uint8_t>(body.g),
                                      static_cast<uint8_t>(body.b), 255});
  EXPECT_LT(bodyLight, 0.72) << "a near-white arrow would not read on this body";
}

INSTANTIATE_TEST_SUITE_P(Pictures, EveryPageButton,
                         ::testing::Combine(::testing::ValuesIn(kStems), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<ButtonParam>& info) {
                           return std::get<0>(info.param) + (std::get<1>(info.param) ? "Small" : "Large");
                         });

TEST(PageButtonStyles, StylesLookDifferent) {
  std::vector<Mean> colours;
  for (const std::string& stem : kStems) {
    const auto picture = LoadPicture(TarvoImagePath(FileName(stem, "Right", kLarge)));
    ASSERT_TRUE(picture.has_value()) << stem;
    colours.push_back(BodyColor(*picture));
  }
  for (size_t i = 0; i < colours.size(); ++i)
    for (size_t j = i + 1; j < colours.size(); ++j) {
      const double d = std::abs(colours[i].r - colours[j].r) + std::abs(colours[i].g - colours[j].g) +
                       std::abs(colours[i].b - colours[j].b);
      EXPECT_GT(d, 60) << kStems[i] << " and " << kStems[j];
    }
}

}  // namespace
}  // namespace tarvo::testing
