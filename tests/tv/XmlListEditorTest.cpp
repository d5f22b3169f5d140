#include "app/XmlListEditor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text/Utf8.h"
#include "sites/SiteEntry.h"
#include "support/TempDir.h"
#include "tv/TvChannel.h"

namespace tarvo {
namespace {

using testing::TempDir;

template <class Entry>
class Editing {
 public:
  explicit Editing(TempDir& dir) : document_(files_, FromUtf8(dir.File("list.xml"))) { document_.Load(); }
  std::vector<Entry> FromFile() {
    XmlListFile again(files_, document_.Path());
    again.Load();
    std::vector<Entry> entries;
    for (auto& e : again.Entries()) entries.push_back(Entry{e.name, e.text});
    return entries;
  }
  HostFileAccess files_;
  XmlListFile document_;
  std::vector<Entry> entries_;
  XmlListEditor<Entry> editor_{entries_, document_};
};

TEST(XmlListEditor, AnAddressWithBlanksIsKeptAsTheFileReadsItBack) {
  TempDir dir;
  Editing<TvChannel> tv(dir);
  ASSERT_EQ(tv.editor_.Add({u"频道", u"mms://h/a  b "}), ListEditOutcome::kDone);
  EXPECT_EQ(tv.entries_, tv.FromFile());
  // So a later delete finds its element: the channel does not come back.
  int next = 0;
  ASSERT_EQ(tv.editor_.Delete(0, next), ListEditOutcome::kDone);
  EXPECT_TRUE(tv.FromFile().empty());
  EXPECT_EQ(next, -1);
}

TEST(XmlListEditor, SameNameModifyChangesEachEntrysOwnElement) {
  TempDir dir;
  Editing<SiteEntry> sites(dir);
  for (const SiteEntry& s : {SiteEntry{u"A", u"http://1"}, SiteEntry{u"B", u"http://1"}, SiteEntry{u"A", u"http://1"},
                             SiteEntry{u"A", u"http://2"}})
    ASSERT_EQ(sites.editor_.Add(s), ListEditOutcome::kDone);
  std::vector<int> renamed;
  ASSERT_EQ(sites.editor_.ModifyByName(0, {u"C", u"http://3"}, renamed), ListEditOutcome::kDone);
  EXPECT_EQ(renamed, (std::vector<int>{0, 2, 3}));
  const std::vector<SiteEntry> expected{{u"C", u"http://3"}, {u"B", u"http://1"}, {u"C", u"http://3"},
                                        {u"C", u"http://3"}};
  EXPECT_EQ(sites.entries_, expected);
  EXPECT_EQ(sites.FromFile(), expected);
  // A later delete of B removes B's own element.
  int next = 0;
  ASSERT_EQ(sites.editor_.Delete(1, next), ListEditOutcome::kDone);
  EXPECT_EQ(sites.FromFile(), (std::vector<SiteEntry>{{u"C", u"http://3"}, {u"C", u"http://3"}, {u"C", u"http://3"}}));
}

TEST(XmlListEditor, MovesStopAtTheEdgesAndDeletesSelectTheNextRow) {
  TempDir dir;
  Editing<TvChannel> tv(dir);
  for (const char16_t* n : {u"a", u"b", u"c"}) tv.editor_.Add({n, WString(u"mms://") + n});
  EXPECT_EQ(tv.editor_.Move(0, -1), ListEditOutcome::kAtEdge);
  EXPECT_EQ(tv.editor_.Move(2, 1), ListEditOutcome::kAtEdge);
  EXPECT_EQ(tv.editor_.Move(-1, 1), ListEditOutcome::kNoSelection);
  EXPECT_EQ(tv.editor_.Move(0, 1), ListEditOutcome::kDone);
  EXPECT_EQ(tv.FromFile()[1].name, u"a");
  int next = 0;
  EXPECT_EQ(tv.editor_.Delete(2, next), ListEditOutcome::kDone);
  EXPECT_EQ(next, 1);
  EXPECT_EQ(tv.editor_.Delete(5, next), ListEditOutcome::kNoSelection);
}

TEST(XmlListEditor, AFailedSaveLeavesListAndFileAsTheyWere) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("list.xml"));  // nothing can replace a folder
  Editing<TvChannel> tv(dir);
  EXPECT_EQ(tv.editor_.Add({u"a", u"mms://a"}), ListEditOutcome::kSaveFailed);
  EXPECT_TRUE(tv.entries_.empty());
  EXPECT_TRUE(tv.document_.Entries().empty());
}

}  // namespace
}  // namespace tarvo
