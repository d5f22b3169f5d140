#include "app/UpdateDecision.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(VersionComparison, PartsCompareAsNumbers) {
  EXPECT_TRUE(IsNewerVersion(u"1.16", u"1.15"));
  EXPECT_TRUE(IsNewerVersion(u"1.15", u"1.9"));
  EXPECT_FALSE(IsNewerVersion(u"1.9", u"1.15"));
  EXPECT_FALSE(IsNewerVersion(u"1.2", u"1.15"));
  EXPECT_FALSE(IsNewerVersion(u"1.15", u"1.15"));
  EXPECT_TRUE(IsNewerVersion(u"2.0", u"1.15"));
  EXPECT_TRUE(IsNewerVersion(u"2", u"1.15"));
}

TEST(VersionComparison, UnreadablePartsCountAsZero) {
  EXPECT_EQ(ParseVersion(u"").major, 0);
  EXPECT_EQ(ParseVersion(u"v1.5").minor, 0);
  EXPECT_EQ(ParseVersion(u" 3.x").major, 3);
  EXPECT_EQ(ParseVersion(u"3. 7").minor, 7);
  EXPECT_EQ(ParseVersion(u"3 .7").minor, 0);
  EXPECT_EQ(ParseVersion(u"99999999999.1").major, 0);
  EXPECT_FALSE(IsNewerVersion(u"", u"1.15"));
}

TEST(SectionNames, FirstSectionIsNeverCollected) {
  EXPECT_EQ(CollectChannelSections(u"[Update]\nVersion=1\n[ch1]\n[ch2]\n"),
            (std::vector<WString>{u"ch1", u"ch2"}));
  EXPECT_EQ(CollectChannelSections(u"no sections"), std::vector<WString>{});
  EXPECT_EQ(CollectChannelSections(u"[a]\n[b"), std::vector<WString>{});
}

constexpr char kTwoSections[] =
    "[Update]\r\nVersion=1.16\r\nisValid=1\r\nisSilence=0\r\n"
    "[shop]\r\nVersion=2.0\r\nisValid=1\r\n";

TEST(UpdateSection, ChannelWithValidSectionIsUsed) {
  UpdateDecision d = DecideUpdate(kTwoSections, u"shop");
  EXPECT_EQ(d.section, u"shop");
  EXPECT_EQ(d.version, u"2.0");
  EXPECT_EQ(d.isSilence, 1);  // missing: silent
  EXPECT_EQ(d.action, UpdateAction::kSilent);
}

TEST(UpdateSection, ChannelFallsBackToUpdate) {
  EXPECT_EQ(DecideUpdate(kTwoSections, u"").section, u"Update");
  EXPECT_EQ(DecideUpdate(kTwoSections, u"other").section, u"Update");
  EXPECT_EQ(DecideUpdate(kTwoSections, u"Shop").section, u"Update");  // case matters
  const char invalidChannel[] = "[Update]\nVersion=1.16\nisValid=1\n[shop]\nisValid=0\n";
  EXPECT_EQ(DecideUpdate(invalidChannel, u"shop").section, u"Update");
}

TEST(UpdateSection, ChannelInTheFirstSectionIsNotFound) {
  const char text[] = "[shop]\nVersion=3.0\nisValid=1\n[Update]\nVersion=1.16\nisValid=1\n";
  UpdateDecision d = DecideUpdate(text, u"shop");
  EXPECT_EQ(d.section, u"Update");
  EXPECT_EQ(d.version, u"1.16");
}

TEST(UpdateAction, AsksWhenNotSilent) {
  UpdateDecision d = DecideUpdate(kTwoSections, u"");
  EXPECT_TRUE(d.newer);
  EXPECT_EQ(d.isSilence, 0);
  EXPECT_EQ(d.action, UpdateAction::kAsk);
}

TEST(UpdateAction, NothingUnlessValidIsExactlyOne) {
  for (const char* valid : {"0", "2", "", "yes"}) {
    std::string text = std::string("[Update]\nVersion=9.0\nisValid=") + valid + "\n";
    UpdateDecision d = DecideUpdate(text, u"");
    EXPECT_TRUE(d.newer);
    EXPECT_EQ(d.action, UpdateAction::kNone) << valid;
  }
}

TEST(UpdateAction, SameOrOlderVersionIsNoUpdate) {
  EXPECT_EQ(DecideUpdate("[Update]\nVersion=1.15\nisValid=1\n", u"").action, UpdateAction::kNone);
  EXPECT_EQ(DecideUpdate("[Update]\nVersion=1.9\nisValid=1\n", u"").action, UpdateAction::kNone);
  EXPECT_EQ(DecideUpdate("[Update]\nVersion=1.16\nisValid=1\n", u"").action,
            UpdateAction::kSilent);
}

TEST(UpdateAction, EmptyOrForeignFileIsNoUpdate) {
  UpdateDecision d = DecideUpdate("", u"shop");
  EXPECT_EQ(d.section, u"Update");
  EXPECT_EQ(d.isValid, 0);
  EXPECT_EQ(d.isSilence, 1);
  EXPECT_EQ(d.action, UpdateAction::kNone);
  EXPECT_EQ(DecideUpdate("<html>404</html>", u"").action, UpdateAction::kNone);
}

TEST(UpdateVersion, LongVersionIsCutToTheBuffer) {
  std::string text = "[Update]\nVersion=" + std::string(400, '7') + "\n";
  EXPECT_EQ(DecideUpdate(text, u"").version.size(), kVersionCapacity - 1);
}

}  // namespace
}  // namespace tarvo
