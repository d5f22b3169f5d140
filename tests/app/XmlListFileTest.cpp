#include "app/XmlListFile.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using testing::TempDir;

constexpr char kTwoEntries[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Normal>\r\n"
    "<a id=\"一\">u1</a>\r\n<a id=\"二\">u2</a>\r\n</Normal>";

class XmlListFileTest : public ::testing::Test {
 protected:
  WString Path() const { return FromUtf8(dir_.File("list.xml")); }
  std::vector<WString> Texts(const XmlListFile& file) const {
    std::vector<WString> texts;
    for (const auto& entry : file.Entries()) texts.push_back(entry.text);
    return texts;
  }

  TempDir dir_;
  HostFileAccess files_;
};

TEST_F(XmlListFileTest, ReadsNameFromFirstAttributeAndTextFromElement) {
  dir_.Write("list.xml",
             "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Root>\r\n"
             "<ch name=\"央视\" extra=\"x\">mms://a</ch>\r\n<!-- note -->\r\n<b>rtsp://b</b>\r\n"
             "<a id=\"空\" />\r\n</Root>");
  XmlListFile file(files_, Path());
  ASSERT_EQ(file.Load(), XmlLoadStatus::kLoaded);
  auto entries = file.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, u"央视");
  EXPECT_EQ(entries[0].text, u"mms://a");
  EXPECT_EQ(entries[1].name, u"");
  EXPECT_EQ(entries[1].text, u"rtsp://b");
  EXPECT_EQ(entries[2].name, u"空");
  EXPECT_EQ(entries[2].text, u"");
}

TEST_F(XmlListFileTest, MissingFileGivesAFreshDocument) {
  XmlListFile file(files_, Path());
  EXPECT_EQ(file.Load(), XmlLoadStatus::kMissing);
  EXPECT_TRUE(file.Entries().empty());
  file.Append(u"名", u"http://x");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(dir_.Read("list.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Normal>\n"
            "    <a id=\"名\">http://x</a>\n</Normal>\n");
}

TEST_F(XmlListFileTest, UnparsableFileIsKeptAsideBeforeAnySave) {
  dir_.Write("list.xml", "<Normal><a id=\"x\">broken");
  XmlListFile file(files_, Path());
  EXPECT_EQ(file.Load(), XmlLoadStatus::kUnparsable);
  EXPECT_TRUE(file.Entries().empty());
  EXPECT_EQ(dir_.Read("list.xml.bad"), "<Normal><a id=\"x\">broken");
  file.Append(u"n", u"t");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(dir_.Read("list.xml.bad"), "<Normal><a id=\"x\">broken");
  ASSERT_EQ(file.Entries().size(), 1u);
}

TEST_F(XmlListFileTest, LaterUnparsableFilesKeepTheEarlierCopies) {
  for (const char* broken : {"<Normal>first", "<Normal>second", "<Normal>third"}) {
    dir_.Write("list.xml", broken);
    XmlListFile file(files_, Path());
    EXPECT_EQ(file.Load(), XmlLoadStatus::kUnparsable);
    file.Append(u"n", u"t");
    ASSERT_TRUE(file.Save());
  }
  EXPECT_EQ(dir_.Read("list.xml.bad"), "<Normal>first");
  EXPECT_EQ(dir_.Read("list.xml.bad.1"), "<Normal>second");
  EXPECT_EQ(dir_.Read("list.xml.bad.2"), "<Normal>third");
}

TEST_F(XmlListFileTest, FileWithoutRootElementIsUnparsable) {
  dir_.Write("list.xml", "<?xml version=\"1.0\" ?>\n");
  XmlListFile file(files_, Path());
  EXPECT_EQ(file.Load(), XmlLoadStatus::kUnparsable);
  EXPECT_NE(file.Root(), nullptr);
}

TEST_F(XmlListFileTest, SavesAreRefusedWhenTheBadFileCannotBeWritten) {
  dir_.Write("list.xml", "not xml");
  dir_.Write("list.xml.bad/blocker", "");  // a folder where the copy would go
  XmlListFile file(files_, Path());
  EXPECT_EQ(file.Load(), XmlLoadStatus::kUnparsable);
  file.Append(u"n", u"t");
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(dir_.Read("list.xml"), "not xml");
}

TEST_F(XmlListFileTest, ModifyChangesFirstElementWithTheText) {
  dir_.Write("list.xml",
             "<Normal><a id=\"1\" x=\"y\">same</a><a id=\"2\">same</a><a>t</a></Normal>");
  XmlListFile file(files_, Path());
  ASSERT_EQ(file.Load(), XmlLoadStatus::kLoaded);
  EXPECT_TRUE(file.Modify(u"same", u"新", u"other"));
  EXPECT_TRUE(file.Modify(u"t", u"named", u"t2"));
  EXPECT_FALSE(file.Modify(u"absent", u"n", u"u"));
  ASSERT_TRUE(file.Save());
  auto entries = file.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, u"新");
  EXPECT_EQ(entries[0].text, u"other");
  EXPECT_EQ(entries[1].text, u"same");
  EXPECT_EQ(entries[2].name, u"named");
  EXPECT_EQ(entries[2].text, u"t2");
}

TEST_F(XmlListFileTest, ModifyGivesTextToAnEmptyElement) {
  dir_.Write("list.xml", "<Normal><a id=\"1\"/></Normal>");
  XmlListFile file(files_, Path());
  ASSERT_EQ(file.Load(), XmlLoadStatus::kLoaded);
  EXPECT_TRUE(file.Modify(u"", u"n", u"filled"));
  EXPECT_EQ(file.Entries()[0].text, u"filled");
}

TEST_F(XmlListFileTest, RemoveTakesOnlyTheFirstMatch) {
  dir_.Write("list.xml", "<Normal><a id=\"1\">u</a><a id=\"2\">u</a><a id=\"3\">v</a></Normal>");
  XmlListFile file(files_, Path());
  ASSERT_EQ(file.Load(), XmlLoadStatus::kLoaded);
  EXPECT_TRUE(file.Remove(u"u"));
  EXPECT_FALSE(file.Remove(u"w"));
  ASSERT_TRUE(file.Save());
  auto entries = file.Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, u"2");
}

TEST_F(XmlListFileTest, MovesSwapWithTheNeighbouringElement) {
  dir_.Write("list.xml", kTwoEntries);
  XmlListFile file(files_, Path());
  ASSERT_EQ(file.Load(), XmlLoadStatus::kLoaded);
  file.Append(u"三", u"u3");
  EXPECT_TRUE(file.MoveUp(u"u3"));
  EXPECT_EQ(Texts(file), (std::vector<WString>{u"u1", u"u3", u"u2"}));
  EXPECT_TRUE(file.MoveDown(u"u1"));
  EXPECT_EQ(Texts(file), (std::vector<WString>{u"u3", u"u1", u"u2"}));
  EXPECT_FALSE(file.MoveUp(u"u3"));
  EXPECT_FALSE(file.MoveDown(u"u2"));
  EXPECT_FALSE(file.MoveDown(u"absent"));
  ASSERT_TRUE(file.Save());
  XmlListFile reread(files_, Path());
  ASSERT_EQ(reread.Load(), XmlLoadStatus::kLoaded);
  EXPECT_EQ(Texts(reread), (std::vector<WString>{u"u3", u"u1", u"u2"}));
  EXPECT_EQ(reread.Entries()[0].name, u"三");
}

TEST_F(XmlListFileTest, MoveSkipsCommentsBetweenElements) {
  dir_.Write("list.xml", "<Normal><a id=\"1\">u1</a><!-- c --><a id=\"2\">u2</a></Normal>");
  XmlListFile file(files_, Path());
  ASSERT_EQ(file.Load(), XmlLoadStatus::kLoaded);
  EXPECT_TRUE(file.MoveUp(u"u2"));
  EXPECT_EQ(Texts(file), (std::vector<WString>{u"u2", u"u1"}));
}

TEST_F(XmlListFileTest, TextWithMarkupCharactersSurvivesASave) {
  XmlListFile file(files_, Path());
  file.Load();
  file.Append(u"a<b>&\"c\"", u"http://x/?a=1&b=<2>");
  ASSERT_TRUE(file.Save());
  XmlListFile reread(files_, Path());
  ASSERT_EQ(reread.Load(), XmlLoadStatus::kLoaded);
  EXPECT_EQ(reread.Entries()[0].name, u"a<b>&\"c\"");
  EXPECT_EQ(reread.Entries()[0].text, u"http://x/?a=1&b=<2>");
}

}  // namespace
}  // namespace tarvo

namespace tarvo {
namespace {

TEST(XmlListFileNesting, DeeplyNestedFileIsUnparsableNotACrash) {
  TempDir dir;
  HostFileAccess files;
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  dir.Write("deep.xml", "<Normal>" + deep);
  XmlListFile file(files, FromUtf8(dir.File("deep.xml")));
  EXPECT_EQ(file.Load(), XmlLoadStatus::kUnparsable);
  EXPECT_TRUE(file.Entries().empty());
}

TEST(XmlListFileNesting, ManySelfClosedEntriesAreFine) {
  TempDir dir;
  HostFileAccess files;
  std::string many = "<Normal>";
  for (int i = 0; i < 1000; ++i) many += "<a id=\"x\"/>";
  dir.Write("many.xml", many + "</Normal>");
  XmlListFile file(files, FromUtf8(dir.File("many.xml")));
  EXPECT_EQ(file.Load(), XmlLoadStatus::kLoaded);
  EXPECT_EQ(file.Entries().size(), 1000u);
}

}  // namespace
}  // namespace tarvo
