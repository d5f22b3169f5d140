// tarvo-probe youku search and resolve against the stand-in Youku site and
// parse page, built from the catalogue.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "StandInServers.h"
#include "main/probe/ProbeCommand.h"
#include "support/TempDir.h"

namespace tarvo::probe {
namespace {

using nlohmann::ordered_json;

class ProbeYoukuFetch : public ::testing::Test {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.httpPort = 0;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    base_ = servers_.HttpBase();
  }
  int Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunProbe(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return code;
  }
  std::vector<std::string> Search(std::vector<std::string> extra) {
    std::vector<std::string> args{"youku", "search", "星河", "--youku-search", base_, "--youku-site", base_};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  }
  servers::StandInServers servers_;
  std::string base_;
  std::string out_, err_;
};

TEST_F(ProbeYoukuFetch, SearchFetchesThePageWithOrderHdAndPage) {
  ASSERT_EQ(Run(Search({})), kExitOk) << err_;
  ordered_json page = ordered_json::parse(out_);
  EXPECT_EQ(page["url"], base_ + "/search_video/q_%E6%98%9F%E6%B2%B3_orderby_1_hd_0_page_1");
  EXPECT_EQ(page["status"], 1);
  EXPECT_EQ(page["videos"].size(), 10u);
  EXPECT_FALSE(page["sections"].empty());
  EXPECT_EQ(page["noNextPage"], 0);

  ASSERT_EQ(Run(Search({"--order", "2", "--hd", "--page", "2"})), kExitOk) << err_;
  page = ordered_json::parse(out_);
  EXPECT_EQ(page["url"], base_ + "/search_video/q_%E6%98%9F%E6%B2%B3_orderby_3_hd_1_page_2");
  EXPECT_TRUE(page["sections"].empty());
  EXPECT_EQ(servers_.Requests().back().target, "/search_video/q_%E6%98%9F%E6%B2%B3_orderby_3_hd_1_page_2");
}

TEST_F(ProbeYoukuFetch, SearchRefusesBadOptionsAndReportsAFailedFetch) {
  EXPECT_EQ(Run(Search({"--order", "5"})), kExitUsage);
  EXPECT_EQ(Run(Search({"--page", "0"})), kExitUsage);
  EXPECT_EQ(Run({"youku", "search", "星河"}), kExitUsage);
  EXPECT_NE(err_.find("no Youku search server"), std::string::npos);
  EXPECT_EQ(Run({"youku", "page", "x", "--hd"}), kExitUsage);
  ASSERT_TRUE(servers_.ArmFault("/search_video/", "reset:0", 1));
  EXPECT_EQ(Run(Search({})), kExitAbsent);
  EXPECT_EQ(ordered_json::parse(out_)["status"], -1);
}

TEST_F(ProbeYoukuFetch, ResolveAsksTheParsePageAndWritesThePlaylist) {
  testing::TempDir dir;
  const std::string video = base_ + "/v_show/id_xh09.html";
  ASSERT_EQ(Run({"resolve", video, "--parse-page", base_ + "/parse.php", "--m3u", dir.File("t.m3u")}), kExitOk)
      << err_;
  ordered_json result = ordered_json::parse(out_);
  EXPECT_EQ(result["source"], base_ + "/parse.php?kw=" + video);
  EXPECT_EQ(result["ok"], true);
  EXPECT_EQ(result["entries"].size(), 3u);
  EXPECT_EQ(dir.Read("t.m3u").rfind("#EXTM3U\n", 0), 0u);

  EXPECT_EQ(Run({"resolve", base_ + "/v_show/id_xh04.html", "--parse-page", base_ + "/parse.php"}), kExitAbsent);
  result = ordered_json::parse(out_);
  EXPECT_EQ(result["ok"], false);
  EXPECT_EQ(result["message"], "提示：解析失败，请确认视频是否被删除、地址是否正确，或稍后重试......");
  EXPECT_EQ(Run({"resolve", video}), kExitUsage);
}

}  // namespace
}  // namespace tarvo::probe
