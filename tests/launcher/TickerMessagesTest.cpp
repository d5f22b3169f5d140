#include "launcher/TickerMessages.h"

#include <gtest/gtest.h>

#include "launcher/TickerLead.h"

namespace tarvo {
namespace {

using Files = std::vector<TickerFileRange>;

TEST(TickerRanges, ExampleGroupThreeToTwelveStepTen) {
  EXPECT_EQ(TickerMessageFiles(3, 12, 10), (Files{{1, 3, 10}, {2, 1, 2}}));
}

TEST(TickerRanges, StartOnAMultipleOfTheStep) {
  // Message 20 is the tenth of file 2, not an index 0 of file 3.
  EXPECT_EQ(TickerMessageFiles(20, 35, 10), (Files{{2, 10, 10}, {3, 1, 10}, {4, 1, 5}}));
}

TEST(TickerRanges, EndOnAMultipleOfTheStep) {
  EXPECT_EQ(TickerMessageFiles(3, 20, 10), (Files{{1, 3, 10}, {2, 1, 10}}));
  EXPECT_EQ(TickerMessageFiles(10, 10, 10), (Files{{1, 10, 10}}));
}

TEST(TickerRanges, WithinOneFile) {
  EXPECT_EQ(TickerMessageFiles(4, 7, 10), (Files{{1, 4, 7}}));
  EXPECT_EQ(TickerMessageFiles(1, 1, 1), (Files{{1, 1, 1}}));
}

TEST(TickerRanges, UnusableGroupsGiveNoFiles) {
  EXPECT_TRUE(TickerMessageFiles(0, 5, 1).empty());
  EXPECT_TRUE(TickerMessageFiles(6, 5, 1).empty());
  EXPECT_TRUE(TickerMessageFiles(1, 5, 0).empty());
  EXPECT_TRUE(TickerMessageFiles(1, 5, -2).empty());
}

TEST(TickerRanges, FilesAreCutToTheFirstHundred) {
  Files files = TickerMessageFiles(1, 2147483647, 1);
  ASSERT_EQ(files.size(), static_cast<size_t>(kMaxTickerGroupFiles));
  EXPECT_EQ(files.back(), (TickerFileRange{100, 1, 1}));
}

TEST(TickerMessageList, CountsOnlyWithMessages) {
  EXPECT_TRUE(IsTickerMessageList(u"tarvomsg1=hi;"));
  EXPECT_FALSE(IsTickerMessageList(u"<html>not found</html>"));
}

TEST(TickerMessageList, ReadsTextActionAndUrlOfTheRange) {
  std::vector<TickerMessage> messages;
  ParseTickerMessages(
      u"tarvomsg1=一;action1=1;url1=http://a;tarvomsg2=二;action2=2;url2=http://b;"
      u"tarvomsg3=三;",
      2, 3, messages);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], (TickerMessage{2, u"http://b", u"二"}));
  EXPECT_EQ(messages[1], (TickerMessage{0, u"", u"三"}));
}

TEST(TickerMessageList, AppendsToWhatIsThere) {
  std::vector<TickerMessage> messages(1);
  ParseTickerMessages(u"tarvomsg1=a;", 1, 10, messages);
  EXPECT_EQ(messages.size(), 2u);
}

TEST(TickerMessageList, IndicesTheFileDoesNotHoldGiveNothing) {
  std::vector<TickerMessage> messages;
  ParseTickerMessages(u"tarvomsg5=five;", 1, 2147483647, messages);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, u"five");
  messages.clear();
  ParseTickerMessages(u"tarvomsg5=five;", 6, 1, messages);
  EXPECT_TRUE(messages.empty());
}

TEST(TickerMessageList, KeyIsFoundByItsFirstOccurrence) {
  // "tarvomsg1" first occurs as the start of "tarvomsg12": that is where it is read.
  std::vector<TickerMessage> messages;
  ParseTickerMessages(u"tarvomsg12=x;tarvomsg1=y;", 1, 1, messages);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, u"=x");
}

}  // namespace
}  // namespace tarvo
