#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <fstream>
#include <sstream>

#include "main/probe/ProbeCommand.h"
#include "platform/device/Device.h"
#include "support/TempDir.h"

namespace tarvo::probe {
namespace {

using nlohmann::ordered_json;

std::string Data(const std::string& name) { return std::string(TARVO_TEST_DATA_DIR) + "/" + name; }

struct ProbeRun {
  int code;
  std::string out;
  std::string err;
};

ProbeRun Probe(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = RunProbe(args, out, err);
  return {code, out.str(), err.str()};
}

ordered_json Json(const ProbeRun& run) { return ordered_json::parse(run.out); }

// A device made from the template, whose profile names the stand-in hosts.
class ProbeWithDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(Device::Open(dir_.Path(), &error)) << error;
  }
  testing::TempDir dir_;
};

TEST(ProbeVideo, EncodeKeywordAndSearchPaths) {
  EXPECT_EQ(Probe({"encode-keyword", "a b"}).out, "%61%20%62\n");
  EXPECT_EQ(Probe({"youku", "search-path", "abc", "3", "1", "1"}).out,
            "/search_video/q_%61%62%63_orderby_4_hd_1_page_1\n");
  EXPECT_EQ(Probe({"soku", "search-path", "中", "0", "2"}).out,
            "/v?keyword=%E4%B8%AD&hd=0&curpage=2\n");
  EXPECT_EQ(Probe({"youku", "search-path", "abc", "5", "1", "1"}).code, kExitUsage);
  EXPECT_EQ(Probe({"soku", "search-path", "abc", "2", "1"}).code, kExitUsage);
}

TEST(ProbeVideo, YoukuPageListsFlaggedSectionsInHeaderOrder) {
  ProbeRun run = Probe({"youku", "page", Data("video/youku_every_section.html"), "--youku-site",
                      "http://y.test"});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  ordered_json page = Json(run);
  std::vector<std::string> keys;
  for (auto& item : page.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"status", "noNextPage", "flags", "videos", "sections"}));
  EXPECT_EQ(page["status"], 1);
  std::vector<int> flags;
  for (auto& section : page["sections"]) flags.push_back(section["flag"]);
  EXPECT_EQ(flags, (std::vector<int>{0x001, 0x004, 0x200, 0x008, 0x010, 0x040, 0x400, 0x020}));
  EXPECT_EQ(page["sections"][0]["entries"][0]["url"],
            "http://y.test/show_eplist/showid_z1001_type_list.html");
  EXPECT_EQ(page["videos"][0]["spare"], "");
}

TEST(ProbeVideo, YoukuSingleExitsOneWhenThePageHoldsNoVideo) {
  EXPECT_EQ(Probe({"youku", "single", Data("video/youku_every_section.html")}).code, kExitAbsent);
  ProbeRun run = Probe({"youku", "single", Data("video/single_video_blanks.html")});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(Json(run)["title"], "正片名");
}

TEST(ProbeVideo, UnreadableFilesAndUnknownOptionsAreUsageErrors) {
  EXPECT_EQ(Probe({"youku", "page", Data("video/none.html")}).code, kExitUsage);
  EXPECT_EQ(Probe({"soku", "page", Data("soku/soku_every_block.html"), "--bogus", "1"}).code,
            kExitUsage);
  EXPECT_EQ(Probe({"soku", "episodes", Data("soku/series_tab_layout.html")}).code, kExitUsage);
  EXPECT_EQ(Probe({"hot", "paths", "13", "1"}).code, kExitUsage);
}

TEST(ProbeVideo, ParsePageWritesThePlaylistOnlyOnceItIsCreated) {
  testing::TempDir dir;
  ProbeRun ok = Probe({"parse-page", Data("video/parse_three_parts.txt"), "--m3u", dir.File("a.m3u")});
  ASSERT_EQ(ok.code, kExitOk);
  EXPECT_EQ(Json(ok)["entries"].size(), 3u);
  EXPECT_EQ(dir.Read("a.m3u").substr(0, 8), "#EXTM3U\n");
  ProbeRun soon = Probe({"parse-page", Data("video/parse_too_soon.txt"), "--m3u", dir.File("b.m3u")});
  EXPECT_EQ(soon.code, kExitOk);
  EXPECT_EQ(Json(soon)["ok"], false);
  EXPECT_FALSE(std::ifstream(dir.File("b.m3u")).good());
}

TEST(ProbeVideo, SokuEntryReportsSkippedPages) {
  ProbeRun run = Probe({"soku", "entry", Data("soku/guide_page.html"), "--flags", "32"});
  ASSERT_EQ(run.code, kExitOk);
  EXPECT_EQ(Json(run)["skipped"], true);
}

TEST_F(ProbeWithDevice, HostsComeFromTheProfileUnlessAFlagGivesThem) {
  ProbeRun profile = Probe({"--device", dir_.Path(), "soku", "guide", Data("soku/guide_page.html")});
  ASSERT_EQ(profile.code, kExitOk) << profile.err;
  const std::string sokuBase = Device::Open(dir_.Path())->Profile().Server("SokuBase");
  ASSERT_FALSE(sokuBase.empty());
  EXPECT_EQ(Json(profile)["links"][0], sokuBase + "/va/2009");
  ProbeRun flag = Probe({"--device", dir_.Path(), "soku", "guide", Data("soku/guide_page.html"),
                       "--soku-base", "http://so.test"});
  EXPECT_EQ(Json(flag)["links"][0], "http://so.test/va/2009");
}

TEST_F(ProbeWithDevice, HotPathsUseTheProfilesChannels) {
  ProbeRun run = Probe({"--device", dir_.Path(), "hot", "paths", "3", "1"});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(Json(run), ordered_json::parse(R"(["/tudou/?url1=tv.tudou.test","/yk/?catpid=97"])"));
}

TEST(ProbeVideo, AMissingDeviceIsNotCreated) {
  testing::TempDir dir;
  std::string missing = dir.File("no-device");
  EXPECT_EQ(Probe({"--device", missing, "hot", "paths", "0", "1"}).code, kExitUsage);
  EXPECT_FALSE(std::ifstream(missing + "/device.ini").good());
}

TEST(ProbeVideo, HotYoukuPageReportsPageAndLastPage) {
  ProbeRun run = Probe({"hot", "youku", Data("video/hot_youku_middle_page.html"), "--page", "9",
                      "--hot-server", "http://hot.test:28084"});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  ordered_json page = Json(run);
  EXPECT_EQ(page["page"], 3);
  EXPECT_EQ(page["lastPage"], 0);
  EXPECT_EQ(page["items"].size(), 1u);
  EXPECT_EQ(Probe({"hot", "play-url", "http://tudou.test/flv/1"}).out, "http://tudou.test/play/1\n");
}

}  // namespace
}  // namespace tarvo::probe
