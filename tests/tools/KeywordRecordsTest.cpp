#include <gtest/gtest.h>

#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"
#include "tools/KeywordRecords.h"

namespace tarvo {
namespace {

class KeywordRecordsTest : public ::testing::Test {
 protected:
  WString Path() { return FromUtf8(dir_.File("temp/TarvoSearchRecord.txt")); }
  std::string Header() { return ToCodePage(u";此文件用来记录Tarvo的搜索记录"); }
  testing::TempDir dir_;
  HostFileAccess files_;
};

TEST_F(KeywordRecordsTest, AMissingFileIsCreatedWithTheHeaderOnly) {
  std::vector<WString> list{u"stale"};
  ASSERT_TRUE(LoadKeywordRecords(files_, Path(), list));
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(dir_.Read("temp/TarvoSearchRecord.txt"), Header());
  EXPECT_EQ(Header(), "\x3B\xB4\xCB\xCE\xC4\xBC\xFE\xD3\xC3\xC0\xB4\xBC\xC7\xC2\xBC" "Tarvo"
                      "\xB5\xC4\xCB\xD1\xCB\xF7\xBC\xC7\xC2\xBC");
}

TEST_F(KeywordRecordsTest, RecordsAreThePiecesBetweenLineEnds) {
  dir_.Write("temp/TarvoSearchRecord.txt",
             Header() + "\r\n" + ToCodePage(u"天龙八部") + "\r\n\r\nabc\ndef\r\nlast");
  std::vector<WString> list;
  ASSERT_TRUE(LoadKeywordRecords(files_, Path(), list));
  EXPECT_EQ(list, (std::vector<WString>{u"天龙八部", u"abc\ndef", u"last"}));
}

TEST_F(KeywordRecordsTest, AppendedKeywordsLoadAgainInOrder) {
  std::vector<WString> list;
  ASSERT_TRUE(LoadKeywordRecords(files_, Path(), list));
  ASSERT_TRUE(AppendKeywordRecord(files_, Path(), u"周杰伦"));
  ASSERT_TRUE(AppendKeywordRecord(files_, Path(), u"news"));
  EXPECT_EQ(dir_.Read("temp/TarvoSearchRecord.txt"),
            Header() + "\r\n" + ToCodePage(u"周杰伦") + "\r\nnews");
  ASSERT_TRUE(LoadKeywordRecords(files_, Path(), list));
  EXPECT_EQ(list, (std::vector<WString>{u"周杰伦", u"news"}));
}

TEST_F(KeywordRecordsTest, KeywordsThatWouldSplitAreRefused) {
  EXPECT_FALSE(AppendKeywordRecord(files_, Path(), u"two\r\nrecords"));
  EXPECT_FALSE(AppendKeywordRecord(files_, Path(), u"lf\n"));
  EXPECT_FALSE(AppendKeywordRecord(files_, Path(), u""));
  EXPECT_FALSE(files_.FileExists(Path()));
  // A file deleted while the program runs is made again rather than losing the keyword.
  ASSERT_TRUE(AppendKeywordRecord(files_, Path(), u"kept"));
  std::vector<WString> list;
  ASSERT_TRUE(LoadKeywordRecords(files_, Path(), list));
  EXPECT_EQ(list, (std::vector<WString>{u"kept"}));
}

TEST_F(KeywordRecordsTest, SavingRewritesTheListSoDeletionsSurvive) {
  dir_.Write("temp/TarvoSearchRecord.txt", Header() + "\r\na\r\nb\r\nc");
  ASSERT_TRUE(SaveKeywordRecords(files_, Path(), {u"a", u"c"}));
  EXPECT_EQ(dir_.Read("temp/TarvoSearchRecord.txt"), Header() + "\r\na\r\nc");
  ASSERT_TRUE(SaveKeywordRecords(files_, Path(), {}));
  std::vector<WString> list{u"x"};
  ASSERT_TRUE(LoadKeywordRecords(files_, Path(), list));
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace tarvo
