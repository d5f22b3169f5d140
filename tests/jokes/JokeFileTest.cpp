#include "jokes/JokeFile.h"

#include <gtest/gtest.h>

#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using testing::TempDir;
using Jokes = std::vector<WString>;

TEST(JokeText, EachJokeKeepsItsLineEndAndGetsTheIndent) {
  auto jokes = ParseJokeText(u"#一\r\n#二\r\n第二行\r\n#三");
  ASSERT_TRUE(jokes.has_value());
  EXPECT_EQ(*jokes, (Jokes{u"    一\r\n", u"    二\r\n第二行\r\n", u"    三"}));
}

TEST(JokeText, MarkInsideALineStaysInTheJoke) {
  auto jokes = ParseJokeText(u"#a #1 b\r\nc#d\r\n#e\r\n");
  ASSERT_TRUE(jokes.has_value());
  EXPECT_EQ(*jokes, (Jokes{u"    a #1 b\r\nc#d\r\n", u"    e\r\n"}));
}

TEST(JokeText, LfOnlyFileIsOneJokeButCountsEach) {
  WString text = u"#one\n#two\n#three\n";
  auto jokes = ParseJokeText(text);
  ASSERT_TRUE(jokes.has_value());
  EXPECT_EQ(jokes->size(), 1u);
  EXPECT_EQ(CountJokeMarks(text), 3);
}

TEST(JokeText, MustBeginWithAMark) {
  EXPECT_FALSE(ParseJokeText(u"<html>#a\r\n#b").has_value());
  EXPECT_FALSE(ParseJokeText(u"").has_value());
  EXPECT_EQ(*ParseJokeText(u"#"), Jokes{u"    "});
}

TEST(JokeCount, MarksAtOffsetsOneAndTwoDoNotCount) {
  EXPECT_EQ(CountJokeMarks(u"##"), 1);
  EXPECT_EQ(CountJokeMarks(u"\n#"), 0);
  EXPECT_EQ(CountJokeMarks(u"\r\n#"), 0);
  EXPECT_EQ(CountJokeMarks(u"#\r\n#"), 2);
  EXPECT_EQ(CountJokeMarks(u"#ab\r#"), 1);  // CR right before is not enough
  EXPECT_EQ(CountJokeMarks(u"#a\r\n#b"), 2);
  EXPECT_EQ(CountJokeMarks(u"#a\rb#"), 2);  // CR two before
  EXPECT_EQ(CountJokeMarks(u"#a b#c"), 1);
  EXPECT_EQ(CountJokeMarks(u""), 0);
}

class JokeFileLoadTest : public ::testing::Test {
 protected:
  WString Path(const std::string& name) const { return FromUtf8(dir_.File(name)); }
  TempDir dir_;
  HostFileAccess files_;
};

TEST_F(JokeFileLoadTest, ReadsTheCodePageAndInsertsInOrder) {
  dir_.Write("xh00001.txt", ToCodePage(u"#甲\r\n#乙"));
  dir_.Write("xh00002.txt", ToCodePage(u"#丙\r\n"));
  Jokes jokes;
  ASSERT_TRUE(LoadJokeFile(files_, Path("xh00002.txt"), jokes));
  ASSERT_TRUE(LoadJokeFile(files_, Path("xh00001.txt"), jokes, 0));
  EXPECT_EQ(jokes, (Jokes{u"    甲\r\n", u"    乙", u"    丙\r\n"}));
  ASSERT_TRUE(LoadJokeFile(files_, Path("xh00002.txt"), jokes, 99));
  EXPECT_EQ(jokes.back(), u"    丙\r\n");
  EXPECT_EQ(CountJokes(files_, Path("xh00001.txt")), 2);
}

TEST_F(JokeFileLoadTest, MissingOrForeignFilesAddNothing) {
  dir_.Write("page.txt", "<html>");
  Jokes jokes{u"x"};
  EXPECT_FALSE(LoadJokeFile(files_, Path("page.txt"), jokes));
  EXPECT_FALSE(LoadJokeFile(files_, Path("absent.txt"), jokes));
  EXPECT_EQ(jokes, Jokes{u"x"});
  EXPECT_EQ(CountJokes(files_, Path("absent.txt")), 0);
}

TEST(JokeFileName, FiveDigitNumber) {
  EXPECT_EQ(JokeFileName(1), u"xh00001.txt");
  EXPECT_EQ(JokeFileName(12345), u"xh12345.txt");
}

}  // namespace
}  // namespace tarvo
