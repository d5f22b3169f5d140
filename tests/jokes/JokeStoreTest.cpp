#include "jokes/JokeStore.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using Visits = std::vector<JokeVisit>;

TEST(JokeStart, LastReadFortyFiveWithStepTwenty) {
  EXPECT_EQ(JokeStartPosition(45, 20), (JokeStart{3, 4}));
  // Once files 2 and 1 are put in front, the index moves up by a step each.
  EXPECT_EQ(JokeStartPosition(45, 20).index + 2 * 20, 44);
}

TEST(JokeStart, BoundariesOfAFile) {
  EXPECT_EQ(JokeStartPosition(20, 20), (JokeStart{1, 19}));
  EXPECT_EQ(JokeStartPosition(21, 20), (JokeStart{2, 0}));
}

TEST(JokeStart, FirstJokeOrUnknownStepStartsAtTheBeginning) {
  EXPECT_EQ(JokeStartPosition(1, 20), (JokeStart{1, 0}));
  EXPECT_EQ(JokeStartPosition(0, 20), (JokeStart{1, 0}));
  EXPECT_EQ(JokeStartPosition(45, 0), (JokeStart{1, 0}));
  EXPECT_EQ(JokeStartPosition(45, -3), (JokeStart{1, 0}));
}

TEST(JokeWidening, AlternatesLowerAndUpper) {
  EXPECT_EQ(JokeWideningOrder(3, 5),
            (Visits{{2, true}, {4, false}, {1, true}, {5, false}}));
  EXPECT_EQ(JokeWideningOrder(1, 3), (Visits{{2, false}, {3, false}}));
  EXPECT_EQ(JokeWideningOrder(3, 3), (Visits{{2, true}, {1, true}}));
  EXPECT_TRUE(JokeWideningOrder(1, 1).empty());
}

TEST(JokeWidening, StartBeyondTheEndVisitsOnlyExistingFiles) {
  EXPECT_EQ(JokeWideningOrder(2000000000, 2), (Visits{{2, true}, {1, true}}));
}

TEST(JokeWidening, NothingForAnUnknownOrUnreasonableEnd) {
  EXPECT_TRUE(JokeWideningOrder(1, 0).empty());
  EXPECT_TRUE(JokeWideningOrder(1, kMaxJokeEnd + 1).empty());
  EXPECT_EQ(JokeWideningOrder(1, kMaxJokeEnd).size(), static_cast<size_t>(kMaxJokeEnd - 1));
}

TEST(JokeLead, ReadsStepAndEndFromInfo) {
  JokeLead lead = ParseJokeLead("[Info]\r\nStep=20\r\nEnd=7\r\n");
  EXPECT_TRUE(lead.valid);
  EXPECT_EQ(lead.step, 20);
  EXPECT_EQ(lead.end, 7);
  EXPECT_TRUE(lead.usable);
}

TEST(JokeLead, WithoutBothWordsItIsInvalid) {
  EXPECT_FALSE(ParseJokeLead("[Info]\r\nStep=20\r\n").valid);
  EXPECT_FALSE(ParseJokeLead("<html>404</html>").valid);
}

TEST(JokeLead, ValuesOutsideTheBoundsAreNotUsable) {
  EXPECT_FALSE(ParseJokeLead("[Info]\nStep=0\nEnd=5\n").usable);
  EXPECT_FALSE(ParseJokeLead("[Info]\nStep=10001\nEnd=5\n").usable);
  EXPECT_TRUE(ParseJokeLead("[Info]\nStep=10000\nEnd=99999\n").usable);
  EXPECT_FALSE(ParseJokeLead("[Info]\nStep=10\nEnd=100000\n").usable);
  EXPECT_FALSE(ParseJokeLead("[Info]\nStep=10\nEnd=-1\n").usable);
  EXPECT_FALSE(ParseJokeLead("[Other]\nStep=10\nEnd=5\n").usable);
}

}  // namespace
}  // namespace tarvo
