#include "tv/MyTvFile.h"

#include <gtest/gtest.h>

#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using testing::TempDir;

// Exactly 50 and 49 bytes, one channel each.
constexpr char kFiftyBytes[] = "<Normal><a id=\"n\">mms://abcdefghijklm</a></Normal>";
constexpr char kFortyNineBytes[] = "<Normal><a id=\"n\">mms://abcdefghijkl</a></Normal>";

class MyTvFileTest : public ::testing::Test {
 protected:
  MyTvFileTest() : file_(files_, FromUtf8(dir_.File("TVList.xml"))) {}

  TempDir dir_;
  HostFileAccess files_;
  MyTvFile file_;
  std::vector<TvChannel> channels_;
};

TEST_F(MyTvFileTest, MissingFileIsCreatedWithTheEmptyList) {
  EXPECT_EQ(file_.Load(channels_), MyTvLoadStatus::kCreated);
  EXPECT_TRUE(channels_.empty());
  EXPECT_EQ(dir_.Read("TVList.xml"), kTvListEmptyTemplate);
}

TEST_F(MyTvFileTest, FiftyByteFileIsParsed) {
  std::string fifty(kFiftyBytes);
  ASSERT_EQ(fifty.size(), 50u);
  dir_.Write("TVList.xml", fifty);
  EXPECT_EQ(file_.Load(channels_), MyTvLoadStatus::kLoaded);
  ASSERT_EQ(channels_.size(), 1u);
  EXPECT_EQ(channels_[0], (TvChannel{u"n", u"mms://abcdefghijklm"}));
}

TEST_F(MyTvFileTest, FortyNineByteFileIsReplacedButKeptAside) {
  std::string short49(kFortyNineBytes);
  ASSERT_EQ(short49.size(), 49u);
  dir_.Write("TVList.xml", short49);
  EXPECT_EQ(file_.Load(channels_), MyTvLoadStatus::kCreated);
  EXPECT_TRUE(channels_.empty());
  EXPECT_EQ(dir_.Read("TVList.xml"), kTvListEmptyTemplate);
  EXPECT_EQ(dir_.Read("TVList.xml.bad"), short49);
}

TEST_F(MyTvFileTest, UnparsableFileIsKeptAsideAndTheListStartsEmpty) {
  std::string broken = std::string(kTvListEmptyTemplate) + "<a id=\"x\">unclosed";
  dir_.Write("TVList.xml", broken);
  EXPECT_EQ(file_.Load(channels_), MyTvLoadStatus::kUnparsable);
  EXPECT_TRUE(channels_.empty());
  EXPECT_EQ(dir_.Read("TVList.xml.bad"), broken);
  ASSERT_TRUE(file_.Add({u"新", u"mms://new"}));
  EXPECT_EQ(dir_.Read("TVList.xml.bad"), broken);
}

TEST_F(MyTvFileTest, HandWrittenElementAndAttributeNamesStillLoad) {
  dir_.Write("TVList.xml",
             "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Mine>\r\n"
             "<channel title=\"凤凰\">rtsp://f</channel>\r\n</Mine>");
  EXPECT_EQ(file_.Load(channels_), MyTvLoadStatus::kLoaded);
  ASSERT_EQ(channels_.size(), 1u);
  EXPECT_EQ(channels_[0], (TvChannel{u"凤凰", u"rtsp://f"}));
}

TEST_F(MyTvFileTest, EditsAreSavedAtOnce) {
  file_.Load(channels_);
  ASSERT_TRUE(file_.Add({u"一", u"u1"}));
  ASSERT_TRUE(file_.Add({u"二", u"u2"}));
  ASSERT_TRUE(file_.MoveDown(u"u1"));
  ASSERT_TRUE(file_.Modify(u"u2", {u"贰", u"u2b"}));
  MyTvFile reread(files_, FromUtf8(dir_.File("TVList.xml")));
  std::vector<TvChannel> channels;
  EXPECT_EQ(reread.Load(channels), MyTvLoadStatus::kLoaded);
  EXPECT_EQ(channels, (std::vector<TvChannel>{{u"贰", u"u2b"}, {u"一", u"u1"}}));
  ASSERT_TRUE(file_.Delete(u"u1"));
  reread.Load(channels);
  EXPECT_EQ(channels, (std::vector<TvChannel>{{u"贰", u"u2b"}}));
}

TEST_F(MyTvFileTest, SameAddressTwiceActsOnTheFirst) {
  file_.Load(channels_);
  file_.Add({u"a", u"same"});
  file_.Add({u"b", u"same"});
  ASSERT_TRUE(file_.Delete(u"same"));
  file_.Load(channels_);
  EXPECT_EQ(channels_, (std::vector<TvChannel>{{u"b", u"same"}}));
}

TEST_F(MyTvFileTest, UnknownAddressLeavesTheFileAsItWas) {
  file_.Load(channels_);
  file_.Add({u"a", u"u"});
  std::string before = dir_.Read("TVList.xml");
  EXPECT_TRUE(file_.Delete(u"other"));
  EXPECT_TRUE(file_.MoveUp(u"u"));
  EXPECT_EQ(dir_.Read("TVList.xml"), before);
}

}  // namespace
}  // namespace tarvo

namespace tarvo {
namespace {

// A file that is there but cannot be read (as on a failing card).
class UnreadableFiles : public HostFileAccess {
 public:
  std::optional<std::string> ReadAll(WStringView) override { return std::nullopt; }
  bool FileExists(WStringView) override { return true; }
};

TEST(MyTvFileUnreadable, AFileThatCannotBeReadIsNeverReplaced) {
  testing::TempDir dir;
  dir.Write("TVList.xml", "<Normal><a id=\"n\">mms://kept</a></Normal>");
  UnreadableFiles files;
  MyTvFile file(files, FromUtf8(dir.File("TVList.xml")));
  std::vector<TvChannel> channels;
  EXPECT_EQ(file.Load(channels), MyTvLoadStatus::kUnparsable);
  EXPECT_FALSE(file.Add({u"a", u"u"}));
  EXPECT_EQ(dir.Read("TVList.xml"), "<Normal><a id=\"n\">mms://kept</a></Normal>");
}

}  // namespace
}  // namespace tarvo
