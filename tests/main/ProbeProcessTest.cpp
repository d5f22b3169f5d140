// tarvo-probe run as the separate program it is: arguments, output and exit
// codes as a script sees them.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "StandInServers.h"
#include "support/TempDir.h"

extern char** environ;

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using nlohmann::json;

std::string Data(const std::string& name) { return std::string(TARVO_TEST_DATA_DIR) + "/" + name; }

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ProbeRun {
  int code = -1;  // -1: killed at the deadline or not started
  std::string out;
  std::string err;
  std::chrono::milliseconds took{0};
};

class ProbeProcessTest : public ::testing::Test {
 protected:
  // Runs tarvo-probe with the arguments; stdout and stderr go to files.
  ProbeRun Run(const std::vector<std::string>& args, std::chrono::seconds deadline = 10s) {
    std::vector<std::string> argv{TARVO_PROBE_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (auto& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    const std::string out = work_.File("stdout"), err = work_.File("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ProbeRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() - start > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return run;
      }
      std::this_thread::sleep_for(5ms);
    }
    run.took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(out);
    run.err = ReadText(err);
    return run;
  }

  void StartServers() {
    data_.Write("content/tarvo/TarvoMsgLead.txt", "[Info]\r\nShow=1\r\n");
    data_.Write("content/zero.bin", std::string("\0after the zero", 15));
    servers::ServerOptions options;
    options.dataDir = data_.Path();
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  std::string Url(const std::string& path) { return servers_.HttpBase() + path; }

  // A device from the template whose fetch steps wait 300 ms.
  std::string QuickDevice() {
    const std::string device = work_.File("device");
    EXPECT_EQ(Run({"device", "init", device}).code, 0);
    std::ofstream(device + "/device.ini", std::ios::app) << "\n[Network]\nTimeoutMs=300\n";
    return device;
  }

  testing::TempDir work_;
  testing::TempDir data_;
  servers::StandInServers servers_;
};

TEST_F(ProbeProcessTest, FetchPrintsTheBodyAndExitsZero) {
  StartServers();
  ProbeRun run = Run({"fetch", Url("/tarvo/TarvoMsgLead.txt")});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "[Info]\r\nShow=1\r\n");
  const std::string file = work_.File("lead.txt");
  EXPECT_EQ(Run({"fetch", Url("/tarvo/TarvoMsgLead.txt"), "--file", file}).code, 0);
  EXPECT_EQ(ReadText(file), "[Info]\r\nShow=1\r\n");
  EXPECT_EQ(Run({"fetch", Url("/zero.bin")}).code, 1);  // no text
  EXPECT_EQ(Run({"fetch"}).code, 2);
}

TEST_F(ProbeProcessTest, FetchWaitsOnlyTheDevicesTimeOut) {
  StartServers();
  const std::string device = QuickDevice();
  ProbeRun run = Run({"--device", device, "fetch", Url("/_fault/stall/tarvo/TarvoMsgLead.txt")});
  EXPECT_EQ(run.code, 1) << run.err;
  EXPECT_LT(run.took, 5s);
  EXPECT_EQ(Run({"--device", work_.File("none"), "fetch", Url("/tarvo/TarvoMsgLead.txt")}).code, 2);
}

TEST_F(ProbeProcessTest, DownloadExitsZeroOnlyWhenTheFileIsThere) {
  StartServers();
  const std::string file = work_.File("image/Normal0.jpg");
  ProbeRun run = Run({"download", Url("/_test/big?bytes=5000"), file});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(ReadText(file).size(), 5000u);
  EXPECT_EQ(run.out, "");
  // A stalled body removes the earlier picture.
  ProbeRun stalled = Run({"--device", QuickDevice(), "download", Url("/_fault/stall-body:7/tarvo/TarvoMsgLead.txt"), file});
  EXPECT_EQ(stalled.code, 1);
  EXPECT_FALSE(std::ifstream(file).good());
  EXPECT_EQ(Run({"download", Url("/x")}).code, 2);
}

TEST_F(ProbeProcessTest, DeviceInitMakesTheDeviceOnceAndPrintsItsFolder) {
  const std::string device = work_.File("phone");
  ProbeRun run = Run({"device", "init", device});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, device + "\n");
  ASSERT_NE(ReadText(device + "/device.ini").find("[Servers]"), std::string::npos);
  std::ofstream(device + "/device.ini", std::ios::app) << "\n; mine\n";
  EXPECT_EQ(Run({"device", "init", device}).code, 0);
  EXPECT_NE(ReadText(device + "/device.ini").find("; mine"), std::string::npos);
  EXPECT_EQ(Run({"device", "init"}).code, 2);
}

TEST_F(ProbeProcessTest, DevicePointHttpMovesTheLoopbackHttpServers) {
  const std::string device = work_.File("phone");
  ASSERT_EQ(Run({"device", "init", device}).code, 0);
  ProbeRun run = Run({"device", "point-http", device, "39123"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::string profile = ReadText(device + "/device.ini");
  EXPECT_NE(profile.find("ContentServer=http://127.0.0.1:39123"), std::string::npos) << profile;
  EXPECT_NE(profile.find("http://localhost:39123"), std::string::npos);
  EXPECT_EQ(profile.find("http://127.0.0.1:28080"), std::string::npos);
  EXPECT_NE(profile.find("AccountServer=127.0.0.1:28089"), std::string::npos);
  EXPECT_EQ(Run({"device", "point-http", device, "0"}).code, 2);
  EXPECT_EQ(Run({"device", "point-http", device, "http"}).code, 2);
}

TEST_F(ProbeProcessTest, HotTudouListsTheChannelPage) {
  ProbeRun run = Run({"hot", "tudou", Data("video/hot_tudou_channel.html")});
  ASSERT_EQ(run.code, 0) << run.err;
  const json items = json::parse(run.out)["items"];
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]["title"], "第一条");
  EXPECT_EQ(items[1]["url"], "http://www.tudou.test/flv/bbb/");
  EXPECT_EQ(Run({"hot", "tudou", work_.File("missing.html")}).code, 2);
}

TEST_F(ProbeProcessTest, YoukuEpisodesListsEpisodesAndTheNextPage) {
  ProbeRun run = Run({"youku", "episodes", Data("video/episode_list_page1_of_3.html")});
  ASSERT_EQ(run.code, 0) << run.err;
  const json page = json::parse(run.out);
  ASSERT_EQ(page["episodes"].size(), 2u);
  EXPECT_EQ(page["episodes"][1]["title"], "第2集");
  EXPECT_EQ(page["next"], "/show_eplist/showid_z77_page_2.html");
}

TEST_F(ProbeProcessTest, SokuGuideAndSeriesReadTheirPages) {
  ProbeRun guide = Run({"soku", "guide", Data("soku/guide_page.html"), "--soku-base", "http://so.test"});
  ASSERT_EQ(guide.code, 0) << guide.err;
  EXPECT_EQ(json::parse(guide.out)["links"], json::parse(R"(["http://so.test/va/2009","http://so.test/va/2010"])"));
  ProbeRun tabs = Run({"soku", "series", Data("soku/series_tab_layout.html"), "--layout", "0"});
  ASSERT_EQ(tabs.code, 0) << tabs.err;
  const json series = json::parse(tabs.out)["series"];
  EXPECT_EQ(series["title"], "张三的电视剧");
  ASSERT_EQ(series["groups"].size(), 2u);
  EXPECT_EQ(series["groups"][0]["label"], "1-2");
  ProbeRun labels = Run({"soku", "series", Data("soku/series_label_layout.html"), "--layout", "1"});
  ASSERT_EQ(labels.code, 0) << labels.err;
  EXPECT_EQ(json::parse(labels.out)["series"]["groups"][1]["label"], "第二季");
  EXPECT_EQ(Run({"soku", "series", Data("soku/series_tab_layout.html")}).code, 2);  // no layout
}

}  // namespace
}  // namespace tarvo
