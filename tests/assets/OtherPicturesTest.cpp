// The caption button faces (resources 140/141 and 182/181), the launcher's
// background picture and the logo.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Picture.h"

namespace tarvo::testing {
namespace {

std::string ResourcePath(int id) { return TarvoImagePath("res/" + std::to_string(id) + ".png"); }

struct FacePair {
  int normal;
  int pressed;
  int width;
  int height;
};

class ButtonFaces : public ::testing::TestWithParam<FacePair> {};

TEST_P(ButtonFaces, BothFacesExistOpaqueWithTheirSize) {
  for (const int id : {GetParam().normal, GetParam().pressed}) {
    const auto face = LoadPicture(ResourcePath(id));
    ASSERT_TRUE(face.has_value()) << "resource " << id;
    EXPECT_EQ(face->width, GetParam().width) << "resource " << id;
    EXPECT_EQ(face->height, GetParam().height) << "resource " << id;
    for (const Rgba& p : face->pixels) ASSERT_EQ(p.a, 255) << "resource " << id;
  }
}

TEST_P(ButtonFaces, PressedFaceIsDarkerButCaptionStaysReadable) {
  const auto normal = LoadPicture(ResourcePath(GetParam().normal));
  const auto pressed = LoadPicture(ResourcePath(GetParam().pressed));
  ASSERT_TRUE(normal.has_value() && pressed.has_value());
  const double normalLight = MeanLuminance(*normal);
  const double pressedLight = MeanLuminance(*pressed);
  EXPECT_LT(pressedLight, normalLight - 0.08);
  // The caption is black: both faces stay light behind it.
  EXPECT_GT(normalLight, 0.75);
  EXPECT_GT(pressedLight, 0.50);
}

TEST_P(ButtonFaces, PressedFaceIsShadedAlongItsTopInside) {
  const auto pressed = LoadPicture(ResourcePath(GetParam().pressed));
  ASSERT_TRUE(pressed.has_value());
  // Just inside the border at the top is darker than the middle: an inset look.
  const int x = pressed->width / 2;
  EXPECT_LT(Luminance(pressed->At(x, 3)), Luminance(pressed->At(x, pressed->height / 2)));
}

INSTANTIATE_TEST_SUITE_P(Pictures, ButtonFaces,
                         ::testing::Values(FacePair{140, 141, 240, 60}, FacePair{182, 181, 108, 48}),
                         [](const ::testing::TestParamInfo<FacePair>& info) {
                           return "Resources" + std::to_string(info.param.normal) + "And" +
                                  std::to_string(info.param.pressed);
                         });

TEST(Background, IsALightPortraitPictureWithSomeDetail) {
  const auto back = LoadPicture(TarvoImagePath("MainMenuBackImage.jpg"));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->width, 480);
  EXPECT_EQ(back->height, 800);
  // Black captions are drawn over it.
  const double mean = MeanLuminance(*back);
  EXPECT_GT(mean, 0.75);
  double spread = 0;
  for (const Rgba& p : back->pixels) spread += std::pow(Luminance(p) - mean, 2);
  spread = std::sqrt(spread / static_cast<double>(back->pixels.size()));
  EXPECT_GT(spread, 0.005) << "a flat colour, not a picture";
  EXPECT_LT(spread, 0.10) << "too busy behind the icons";
}

TEST(Background, IsAJpegFile) {
  FILE* file = std::fopen(TarvoImagePath("MainMenuBackImage.jpg").c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char head[3] = {0, 0, 0};
  const size_t read = std::fread(head, 1, 3, file);
  std::fclose(file);
  ASSERT_EQ(read, 3u);
  EXPECT_EQ(head[0], 0xFF);
  EXPECT_EQ(head[1], 0xD8);
  EXPECT_EQ(head[2], 0xFF);
}

}  // namespace
}  // namespace tarvo::testing
