#include "net/Base64.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(Base64Encode, PadsTheLastGroup) {
  EXPECT_EQ(Base64Encode(""), "");
  EXPECT_EQ(Base64Encode("f"), "Zg==");
  EXPECT_EQ(Base64Encode("fo"), "Zm8=");
  EXPECT_EQ(Base64Encode("foo"), "Zm9v");
  EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
  EXPECT_EQ(Base64Encode(std::string("\xFB\xFF\x00", 3)), "+/8A");
}

TEST(Base64Decode, ReadsPaddedAndUnpaddedGroups) {
  EXPECT_EQ(Base64Decode("Zg=="), "f");
  EXPECT_EQ(Base64Decode("Zm8="), "fo");
  EXPECT_EQ(Base64Decode("Zm9vYmFy"), "foobar");
  EXPECT_EQ(Base64Decode("Zm8"), "fo");
  EXPECT_EQ(Base64Decode("+/8A"), std::string("\xFB\xFF\x00", 3));
}

TEST(Base64Decode, SkipsLineBreaksAndStopsAtPadding) {
  EXPECT_EQ(Base64Decode("Zm9v\r\nYmFy"), "foobar");
  EXPECT_EQ(Base64Decode("Zm8=Zm9v"), "fo");
}

TEST(Base64Decode, CountsForeignCharactersAsZero) {
  EXPECT_EQ(Base64Decode("A_AA"), Base64Decode("AAAA"));
  EXPECT_EQ(Base64Decode("Z*=="), Base64Decode("ZA=="));
}

TEST(Base64RoundTrip, EveryByteValueSurvives) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  for (size_t cut = 0; cut < 4; ++cut) {
    std::string part = all.substr(cut);
    EXPECT_EQ(Base64Decode(Base64Encode(part)), part);
  }
}

}  // namespace
}  // namespace tarvo
