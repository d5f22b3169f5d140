// The tarvo program as a whole process: its options, the state dump, one
// program per device, and a start that asks the running one forward.
#include <signal.h>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::RunToEnd;

class TarvoProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = dir_.File("device");
    ASSERT_EQ(RunToEnd(TARVO_PROBE_PATH, {"device", "init", device_}, dir_.Path()), 0);
    // Nothing listens on port 1: no start-up job can reach a real server.
    ASSERT_EQ(RunToEnd(TARVO_PROBE_PATH, {"device", "point-http", device_, "1"}, dir_.Path()), 0);
  }
  int Tarvo(const std::vector<std::string>& args, std::string* out = nullptr, std::string* err = nullptr) {
    std::vector<std::string> all = {"--device", device_};
    all.insert(all.end(), args.begin(), args.end());
    return RunToEnd(TARVO_PATH, all, dir_.Path(), 30s, out, err);
  }

  testing::TempDir dir_;
  std::string device_;
};

TEST_F(TarvoProgramTest, HelpVersionAndBadOptions) {
  std::string out;
  std::string err;
  EXPECT_EQ(Tarvo({"--help"}, &out), 0);
  for (const char* option : {"--device", "--screen", "--headless", "--screenshot", "--dump-state", "--zoom"})
    EXPECT_NE(out.find(option), std::string::npos) << option;
  EXPECT_EQ(Tarvo({"--version"}, &out), 0);
  EXPECT_EQ(out, "Tarvo V1.15\n");
  EXPECT_EQ(Tarvo({"--frobnicate"}, nullptr, &err), 2);
  EXPECT_NE(err.find("--frobnicate"), std::string::npos);
  EXPECT_EQ(Tarvo({"--screen", "240by320"}, nullptr, &err), 2);
  EXPECT_EQ(Tarvo({"--zoom", "9"}, nullptr, &err), 2);
}

TEST_F(TarvoProgramTest, TheStateDumpDescribesTheLauncherOfTheScreen) {
  std::string out;
  ASSERT_EQ(Tarvo({"--screen", "240x320", "--dump-state"}, &out), 0);
  auto state = nlohmann::json::parse(out, nullptr, false);
  ASSERT_FALSE(state.is_discarded()) << out;
  EXPECT_EQ(state["ScreenWidth"], 240);
  EXPECT_EQ(state["ScreenHeight"], 320);
  EXPECT_EQ(state["TextHeight"], 18);
  ASSERT_TRUE(state["items"].is_array());
  ASSERT_FALSE(state["items"].empty());
  bool hasSettings = false;
  for (const auto& item : state["items"]) hasSettings = hasSettings || item["title"] == "设置";
  EXPECT_TRUE(hasSettings);
  ASSERT_EQ(state["layout"]["rects"].size(), state["items"].size());
  for (const auto& rect : state["layout"]["rects"]) {
    EXPECT_GE(rect["cell"][0].get<int>(), 0);
    EXPECT_LE(rect["cell"][2].get<int>(), 240);
  }
  EXPECT_EQ(state["layout"]["Landscape"], false);
  ASSERT_EQ(Tarvo({"--screen", "320x240", "--dump-state"}, &out), 0);
  EXPECT_EQ(nlohmann::json::parse(out)["layout"]["Landscape"], true);
}

TEST_F(TarvoProgramTest, AScreenshotRunWritesThePictureAndEnds) {
  const std::string shot = dir_.File("launcher.png");
  EXPECT_EQ(Tarvo({"--screen", "240x320", "--screenshot", shot}), 0);
  EXPECT_GT(std::filesystem::file_size(shot), 1000u);
  dir_.Write("plain-file", "x");  // a folder cannot be made where a file is
  std::string err;
  EXPECT_EQ(Tarvo({"--screenshot", dir_.File("plain-file/x.png")}, nullptr, &err), 1);
  EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
}

TEST_F(TarvoProgramTest, OneProgramPerDeviceAndASecondStartBringsTheFirstForward) {
  ChildProcess first(TARVO_PATH, {"--device", device_, "--headless", "--debug"}, dir_.Path());
  ASSERT_TRUE(first.Started());
  // Its listener is up once the launcher runs.
  const auto socket = std::filesystem::path(device_) / "tarvo.sock";
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (!std::filesystem::exists(socket) && std::chrono::steady_clock::now() < deadline)
    ASSERT_FALSE(first.Wait(5ms).has_value()) << first.Stderr();
  ASSERT_TRUE(std::filesystem::exists(socket));

  std::string err;
  EXPECT_EQ(Tarvo({"--headless", "--exit-after-first-frame"}, nullptr, &err), 3);
  EXPECT_NE(err.find("another tarvo runs on the device"), std::string::npos) << err;

  // A start with a window asks the running one forward and ends at once.
  EXPECT_EQ(RunToEnd(TARVO_PATH, {"--device", device_}, dir_.Path(), 30s, nullptr, nullptr,
                     {"SDL_VIDEODRIVER=dummy"}),
            0);
  EXPECT_TRUE(first.WaitForError("come forward", 10s)) << first.Stderr();
  EXPECT_FALSE(first.Wait(0ms).has_value());
}

TEST_F(TarvoProgramTest, ClosingTheWindowIsANormalExit) {
  // SDL turns SIGTERM into the same quit request as the window's close button.
  ChildProcess windowed(TARVO_PATH, {"--device", device_}, dir_.Path(), {"SDL_VIDEODRIVER=dummy"});
  ASSERT_TRUE(windowed.Started());
  const auto socket = std::filesystem::path(device_) / "tarvo.sock";
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (!std::filesystem::exists(socket) && std::chrono::steady_clock::now() < deadline)
    ASSERT_FALSE(windowed.Wait(5ms).has_value()) << windowed.Stderr();
  windowed.Signal(SIGTERM);
  auto status = windowed.Wait(10s);
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(*status, 0) << windowed.Stderr();
}

}  // namespace
}  // namespace tarvo
