// The launcher icons the default item sets name: present, decodable, square
// 90-pixel pictures with alpha, with a white symbol that survives being drawn
// at 45 pixels, and told apart from the other icons of the same set.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Picture.h"

namespace tarvo::testing {
namespace {

constexpr int kIconSize = 90;

// Icons of the normal item set (V9 pictures in \Windows\ included), then the office set.
const std::vector<std::string> kNormalSet = {
    "Tarvo_Search.png", "Tarvo_HotVideo.png", "Tarvo_NetTV.png", "Tarvo_Joke.png",
    "Tarvo_NetCloud.png", "Tarvo_Clock.png", "Tarvo_Settings.png", "Tarvo_Phone.png",
    "Tarvo_Msg.png", "Tarvo_Contacts.png", "Tarvo_FileExp.png", "Tarvo_Camera.png",
    "Tarvo_TaskMgr.png", "Tarvo_Exit.png", "\\Windows\\HiFM.png",
    "\\Windows\\Start_Icon_HiFmLaunch.png", "\\Windows\\FlashLight22.png",
    "\\Windows\\enceintesnotes.png"};
const std::vector<std::string> kOfficeSet = {
    "Tarvo_Phone.png", "Tarvo_Msg.png", "Tarvo_Contacts.png", "Tarvo_Word.png",
    "Tarvo_Excel.png", "Tarvo_PowerPoint.png", "Tarvo_OneNote.png", "Tarvo_Email.png",
    "Tarvo_Calculator.png", "Tarvo_Calendar.png", "Tarvo_Tasks.png", "Tarvo_Clock.png",
    "Tarvo_Settings.png", "Tarvo_Exit.png"};

std::string HostPathOf(const std::string& icon) {
  const std::string windowsPrefix = "\\Windows\\";
  if (icon.rfind(windowsPrefix, 0) == 0) return WindowsPath(icon.substr(windowsPrefix.size()));
  return TarvoImagePath(icon);
}

std::vector<std::string> AllIcons() {
  std::vector<std::string> all = kNormalSet;
  for (const std::string& name : kOfficeSet)
    if (std::find(all.begin(), all.end(), name) == all.end()) all.push_back(name);
  all.push_back("Tarvo.png");     // the program's logo shares the icon frame
  all.push_back("res/190.png");  // and so does the generic program icon
  return all;
}

bool IsSymbolWhite(const Rgba& p, int atLeast) {
  return p.a >= 250 && p.r >= atLeast && p.g >= atLeast && p.b >= atLeast;
}

double WhiteShare(const Picture& picture, int atLeast) {
  size_t white = 0;
  for (const Rgba& p : picture.pixels) white += IsSymbolWhite(p, atLeast) ? 1 : 0;
  return static_cast<double>(white) / static_cast<double>(picture.pixels.size());
}

// Mean colour of the plate: opaque pixels that are not part of the white symbol.
Rgba PlateColor(const Picture& picture) {
  double r = 0, g = 0, b = 0;
  size_t n = 0;
  for (const Rgba& p : picture.pixels) {
    if (p.a < 250 || IsSymbolWhite(p, 200)) continue;
    r += p.r;
    g += p.g;
    b += p.b;
    ++n;
  }
  if (n == 0) return {0, 0, 0, 0};
  return {static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n), 255};
}

double ColorDistance(const Rgba& a, const Rgba& b) {
  return std::sqrt(std::pow(a.r - b.r, 2) + std::pow(a.g - b.g, 2) + std::pow(a.b - b.b, 2));
}

class EveryIcon : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryIcon, IsASquareNinetyPixelPictureWithAlpha) {
  const auto icon = LoadPicture(HostPathOf(GetParam()));
  ASSERT_TRUE(icon.has_value()) << HostPathOf(GetParam()) << " is missing or does not decode";
  EXPECT_EQ(icon->width, kIconSize);
  EXPECT_EQ(icon->height, kIconSize);
  EXPECT_TRUE(icon->fileHasAlpha);
  // Rounded corners are see-through, the middle is solid.
  EXPECT_EQ(icon->At(0, 0).a, 0);
  EXPECT_EQ(icon->At(kIconSize - 1, 0).a, 0);
  EXPECT_EQ(icon->At(0, kIconSize - 1).a, 0);
  EXPECT_EQ(icon->At(kIconSize - 1, kIconSize - 1).a, 0);
  EXPECT_EQ(icon->At(kIconSize / 2, kIconSize / 2).a, 255);
}

TEST_P(EveryIcon, CarriesAWhiteSymbolOnAColouredPlate) {
  const auto icon = LoadPicture(HostPathOf(GetParam()));
  ASSERT_TRUE(icon.has_value());
  EXPECT_GE(DistinctColors(*icon), 100u) << "a flat or blank picture";
  const double white = WhiteShare(*icon, 235);
  EXPECT_GE(white, 0.05) << "no visible symbol";
  EXPECT_LE(white, 0.55) << "the symbol swamps the plate";
  const Rgba plate = PlateColor(*icon);
  EXPECT_LT(Luminance(plate), 0.75) << "white symbol on a plate too light to read";
}

TEST_P(EveryIcon, SymbolSurvivesHalfSize) {
  const auto icon = LoadPicture(HostPathOf(GetParam()));
  ASSERT_TRUE(icon.has_value());
  const Picture small = HalfSize(*icon);
  ASSERT_EQ(small.width, 45);
  // Strokes thinner than two pixels would average into the plate colour.
  EXPECT_GE(WhiteShare(small, 225), 0.6 * WhiteShare(*icon, 235));
}

INSTANTIATE_TEST_SUITE_P(Pictures, EveryIcon, ::testing::ValuesIn(AllIcons()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name;
                           for (char ch : info.param)
                             if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                           return name;
                         });

void ExpectDistinguishable(const std::vector<std::string>& set) {
  std::vector<Picture> icons;
  for (const std::string& name : set) {
    auto icon = LoadPicture(HostPathOf(name));
    ASSERT_TRUE(icon.has_value()) << name;
    icons.push_back(std::move(*icon));
  }
  for (size_t i = 0; i < icons.size(); ++i) {
    for (size_t j = i + 1; j < icons.size(); ++j) {
      // Different symbols: their white areas differ in a good share of pixels.
      size_t differing = 0;
      for (size_t k = 0; k < icons[i].pixels.size(); ++k)
        differing += IsSymbolWhite(icons[i].pixels[k], 235) != IsSymbolWhite(icons[j].pixels[k], 235);
      EXPECT_GE(differing, icons[i].pixels.size() / 20) << set[i] << " and " << set[j];
      // Different plates: colours far enough apart to tell at a glance.
      EXPECT_GE(ColorDistance(PlateColor(icons[i]), PlateColor(icons[j])), 35.0)
          << set[i] << " and " << set[j];
    }
  }
}

TEST(IconSets, NormalSetIconsAreMutuallyDistinct) { ExpectDistinguishable(kNormalSet); }

TEST(IconSets, OfficeSetIconsAreMutuallyDistinct) { ExpectDistinguishable(kOfficeSet); }

}  // namespace
}  // namespace tarvo::testing
