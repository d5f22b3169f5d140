#include "sites/SiteListFile.h"

#include <gtest/gtest.h>

#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "sites/BuiltInSites.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using testing::TempDir;

constexpr char16_t kServer[] = u"http://127.0.0.1:28080";

TEST(BuiltInSites, ThirtySevenRowsWithTheUpdatePageFirst) {
  auto sites = BuiltInSites(kServer);
  ASSERT_EQ(sites.size(), kBuiltInSiteCount);
  EXPECT_EQ(sites[0], (SiteEntry{u"Tarvo更新", u"http://127.0.0.1:28080/article.asp?id=109"}));
  EXPECT_EQ(BuiltInSites(u"http://h:1/")[0].url, u"http://h:1/article.asp?id=109");
  EXPECT_EQ(sites[1].name, u"Google");
  EXPECT_EQ(sites[36].name, u"NBA中文网");
}

TEST(BuiltInSites, GapsAreIdeographicOrAsciiAsListed) {
  auto sites = BuiltInSites(kServer);
  for (size_t row : {3, 4, 5, 6, 7, 18}) {
    EXPECT_EQ(sites[row - 1].name.size(), 3u) << row;
    EXPECT_EQ(sites[row - 1].name[1], u'\u3000') << row;
  }
  for (size_t row : {8, 11, 12, 13, 14, 16, 19, 20, 22, 29, 30, 35}) {
    EXPECT_EQ(sites[row - 1].name.size(), 5u) << row;
    EXPECT_EQ(sites[row - 1].name[1], u' ') << row;
    EXPECT_EQ(sites[row - 1].name[3], u' ') << row;
  }
  EXPECT_EQ(sites[2].name, u"百\u3000度");
  EXPECT_EQ(sites[7].name, u"淘 宝 网");
}

TEST(BuiltInSites, NamesAndAddressesFitTheTable) {
  auto sites = BuiltInSites(kServer);
  for (size_t i = 0; i < sites.size(); ++i) {
    EXPECT_LE(ToCodePage(sites[i].name).size(), 11u) << i;
    EXPECT_EQ(FromCodePage(ToCodePage(sites[i].name)), sites[i].name) << i;
    EXPECT_EQ(sites[i].url.rfind(u"http://", 0), 0u) << i;
    if (i > 0) {
      EXPECT_LE(sites[i].url.size(), 49u) << i;
    }
  }
}

class SiteListFileTest : public ::testing::Test {
 protected:
  SiteListFileTest() : file_(files_, FromUtf8(dir_.File("TarvoSiteswarm.xml")), kServer) {}

  TempDir dir_;
  HostFileAccess files_;
  SiteListFile file_;
  std::vector<SiteEntry> sites_;
};

TEST_F(SiteListFileTest, MissingFileIsSeededAndWritten) {
  EXPECT_EQ(file_.LoadOrSeed(sites_), SiteLoadStatus::kSeeded);
  EXPECT_EQ(sites_, BuiltInSites(kServer));
  std::string written = dir_.Read("TarvoSiteswarm.xml");
  EXPECT_EQ(written.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>", 0), 0u);
  EXPECT_NE(written.find("<a id=\"百\u3000度\">"), std::string::npos);
  std::vector<SiteEntry> again;
  EXPECT_EQ(file_.LoadOrSeed(again), SiteLoadStatus::kLoaded);
  EXPECT_EQ(again, sites_);
}

TEST_F(SiteListFileTest, SeededDocumentTakesLaterEdits) {
  file_.LoadOrSeed(sites_);
  ASSERT_TRUE(file_.Append({u"自家", u"http://own"}));
  SiteListFile reread(files_, FromUtf8(dir_.File("TarvoSiteswarm.xml")), kServer);
  std::vector<SiteEntry> sites;
  reread.LoadOrSeed(sites);
  ASSERT_EQ(sites.size(), 38u);
  EXPECT_EQ(sites.back(), (SiteEntry{u"自家", u"http://own"}));
}

TEST_F(SiteListFileTest, FileWithoutSitesStaysEmpty) {
  dir_.Write("TarvoSiteswarm.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Normal />\n");
  EXPECT_EQ(file_.LoadOrSeed(sites_), SiteLoadStatus::kLoaded);
  EXPECT_TRUE(sites_.empty());
}

TEST_F(SiteListFileTest, FirstAttributeGivesTheName) {
  dir_.Write("TarvoSiteswarm.xml", "<Normal><site t=\"甲\" id=\"乙\">http://x</site></Normal>");
  file_.LoadOrSeed(sites_);
  EXPECT_EQ(sites_, (std::vector<SiteEntry>{{u"甲", u"http://x"}}));
}

TEST_F(SiteListFileTest, UnparsableFileIsKeptAsideNotSeeded) {
  dir_.Write("TarvoSiteswarm.xml", "<Normal><a id=");
  EXPECT_EQ(file_.LoadOrSeed(sites_), SiteLoadStatus::kUnparsable);
  EXPECT_TRUE(sites_.empty());
  EXPECT_EQ(dir_.Read("TarvoSiteswarm.xml.bad"), "<Normal><a id=");
  ASSERT_TRUE(file_.Append({u"a", u"http://a"}));
  EXPECT_EQ(dir_.Read("TarvoSiteswarm.xml.bad"), "<Normal><a id=");
}

TEST_F(SiteListFileTest, EditsActOnTheFirstMatchingUrl) {
  dir_.Write("TarvoSiteswarm.xml",
             "<Normal><a id=\"1\">http://same</a><a id=\"2\">http://same</a>"
             "<a id=\"3\">http://c</a></Normal>");
  file_.LoadOrSeed(sites_);
  ASSERT_TRUE(file_.Modify(u"http://same", {u"改", u"http://new"}));
  ASSERT_TRUE(file_.MoveUp(u"http://c"));
  ASSERT_TRUE(file_.Delete(u"http://new"));
  file_.LoadOrSeed(sites_);
  EXPECT_EQ(sites_, (std::vector<SiteEntry>{{u"3", u"http://c"}, {u"2", u"http://same"}}));
}

TEST(SiteListModify, EveryEntryWithThePreviousNameChanges) {
  std::vector<SiteEntry> sites = {{u"a", u"u1"}, {u"b", u"u2"}, {u"a", u"u3"}};
  EXPECT_EQ(ModifySitesByName(sites, u"a", {u"c", u"u9"}), 2u);
  EXPECT_EQ(sites, (std::vector<SiteEntry>{{u"c", u"u9"}, {u"b", u"u2"}, {u"c", u"u9"}}));
}

}  // namespace
}  // namespace tarvo

namespace tarvo {
namespace {

class UnreadableFiles : public HostFileAccess {
 public:
  std::optional<std::string> ReadAll(WStringView) override { return std::nullopt; }
  bool FileExists(WStringView) override { return true; }
};

TEST(SiteListUnreadable, AnUnreadableFileIsNotSeededOver) {
  testing::TempDir dir;
  dir.Write("TarvoSiteswarm.xml", "<Normal/>");
  UnreadableFiles files;
  SiteListFile file(files, FromUtf8(dir.File("TarvoSiteswarm.xml")), kServer);
  std::vector<SiteEntry> sites;
  EXPECT_EQ(file.LoadOrSeed(sites), SiteLoadStatus::kUnparsable);
  EXPECT_TRUE(sites.empty());
  EXPECT_FALSE(file.Append({u"a", u"http://a"}));
  EXPECT_EQ(dir.Read("TarvoSiteswarm.xml"), "<Normal/>");
}

}  // namespace
}  // namespace tarvo
