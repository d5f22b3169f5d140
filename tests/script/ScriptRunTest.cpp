// Runs real scripts through the tarvo program, headless, on a throwaway device.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include <nlohmann/json.hpp>

#include "platform/device/Device.h"
#include "support/TempDir.h"

namespace tarvo::testing {
namespace {

struct Finished {
  int status = -1;
  std::string out;
  std::string err;
  std::chrono::milliseconds took{0};
};

class ScriptRun : public ::testing::Test {
 protected:
  // A device made from the template whose servers all point at a closed port.
  void MakeDevice() {
    ASSERT_TRUE(Device::Open(dir_.File("phone")));
    const std::string profile = dir_.Read("phone/device.ini");
    static const std::regex loopback(R"(((127\.0\.0\.1|localhost)):[0-9]+)");
    dir_.Write("phone/device.ini", std::regex_replace(profile, loopback, "$1:1"));
  }
  Finished RunScript(const std::string& script, const std::string& extra = "") {
    dir_.Write("script.txt", script);
    const std::string command = "cd '" + dir_.Path() + "' && '" TARVO_BINARY "' --headless --device phone " + extra +
                                " --script script.txt 2>stderr.txt";
    Finished run;
    const auto start = std::chrono::steady_clock::now();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
    const int raw = pclose(pipe);
    run.took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = dir_.Read("stderr.txt");
    return run;
  }
  bool Exists(const std::string& name) { return std::filesystem::exists(dir_.File(name)); }
  nlohmann::json Json(const std::string& name) { return nlohmann::json::parse(dir_.Read(name)); }

  TempDir dir_;
};

TEST_F(ScriptRun, OpensTheHubChecksItsCaptionGoesBackAndDumps) {
  MakeDevice();
  const Finished run = RunScript(
      "# the hub and back\n"
      "wait-dialog CTarvoDlg\n"
      "tap-text 设置\n"
      "wait-dialog 设置\n"
      "expect-dialog 设置\n"
      "\n"
      "tap-text 返回\n"
      "wait-gone CPersonalSet 5s\n"
      "dump ui.json\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out,
            "2 wait-dialog CTarvoDlg: ok\n"
            "3 tap-text 设置: ok\n"
            "4 wait-dialog 设置: ok\n"
            "5 expect-dialog 设置: ok\n"
            "7 tap-text 返回: ok\n"
            "8 wait-gone CPersonalSet 5s: ok\n"
            "9 dump ui.json: ok\n");
  const nlohmann::json dump = Json("ui.json");
  ASSERT_EQ(dump["windows"].size(), 1u);
  EXPECT_EQ(dump["windows"][0]["class"], "CTarvoDlg");
  EXPECT_EQ(dump["windows"][0]["caption"], "Tarvo");
  EXPECT_TRUE(dump["messageBox"].is_null());
  bool found = false;
  for (const auto& item : dump["launcher"]["items"]) found = found || item["title"] == "设置";
  EXPECT_TRUE(found);
  EXPECT_FALSE(Exists("script-failure.png"));
}

TEST_F(ScriptRun, AWaitForACaptionThatNeverComesFailsAtItsDeadlineNamingTheCaptionsThere) {
  MakeDevice();
  const Finished run = RunScript(
      "wait-dialog CTarvoDlg\n"
      "wait-dialog 从未出现 2000ms\n"
      "screenshot never.png\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("2 wait-dialog 从未出现 2000ms: failed: "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"Tarvo\" (CTarvoDlg)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"设置\""), std::string::npos) << "the texts on screen instead: " << run.out;
  EXPECT_EQ(run.out.find("screenshot"), std::string::npos) << "no step runs after a failure";
  EXPECT_GE(run.took.count(), 2000);
  EXPECT_LT(run.took.count(), 8000);
  EXPECT_TRUE(Exists("script-failure.png"));
  EXPECT_EQ(Json("script-failure.json")["windows"][0]["class"], "CTarvoDlg");
}

TEST_F(ScriptRun, AMalformedScriptExitsTwoWithoutStartingTheUi) {
  // No device is made: a run that started would make one from the template.
  const Finished run = RunScript(
      "wait-dialog CTarvoDlg\n"
      "tap-text 设置\n"
      "tap 10\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
  EXPECT_FALSE(Exists("phone"));
  EXPECT_EQ(RunScript("wait-text \"unclosed\n").status, 2);
  EXPECT_EQ(RunScript("fly-away\n").status, 2);
  EXPECT_EQ(RunScript("key NoSuchKey\n").status, 2);
  EXPECT_FALSE(Exists("phone"));
}

TEST_F(ScriptRun, AScriptEndingWithAMessageBoxUpClosesCleanly) {
  MakeDevice();
  // A leftover the exit sequence removes: gone afterwards means it ran.
  dir_.Write("phone/fs/Program Files/Tarvo/TarvoImage.rar", "x");
  const Finished run = RunScript(
      "tap-text 设置\n"
      "tap-text 主界面模板\n"
      "wait-dialog 主界面模板\n"
      "tap-text 普通模式\n"
      "wait-message 已经是普通模式了。\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("5 wait-message 已经是普通模式了。: ok"), std::string::npos) << run.out;
  EXPECT_LT(run.took.count(), 8000);
  EXPECT_FALSE(Exists("phone/fs/Program Files/Tarvo/TarvoImage.rar"));
}

TEST_F(ScriptRun, TapTextBringsAnOffScreenLauncherItemIntoView) {
  MakeDevice();
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Normal>\n";
  for (int i = 0; i < 24; ++i) {
    xml += "    <a Title=\"电话" + std::to_string(i) +
           "\" ext=\"1\">\n        <IconPath />\n        <ExePath>\\Windows\\cprog.exe</ExePath>\n    </a>\n";
  }
  xml += "    <a Title=\"设置\" ext=\"0\">\n        <IconPath />\n        <ExePath />\n    </a>\n</Normal>\n";
  dir_.Write("phone/fs/Program Files/Tarvo/temp/MainMenu.xml", xml);
  const Finished run = RunScript(
      "wait-dialog CTarvoDlg\n"
      "dump before.json\n"
      "tap-text 设置\n"
      "wait-dialog CPersonalSet 5s\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const nlohmann::json before = Json("before.json");
  ASSERT_EQ(before["launcher"]["items"].size(), 25u);
  EXPECT_EQ(before["launcher"]["items"][24]["title"], "设置");
  EXPECT_GE(before["launcher"]["items"][24]["rect"][1].get<int>(), 320) << "the item starts out of view";
}

TEST_F(ScriptRun, DumpUiPrintsTheScreenAfterStartUp) {
  MakeDevice();
  FILE* pipe = popen(("'" TARVO_BINARY "' --device '" + dir_.File("phone") + "' --dump-ui").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  EXPECT_EQ(pclose(pipe), 0);
  const nlohmann::json dump = nlohmann::json::parse(out);
  EXPECT_EQ(dump["screen"]["width"], 240);
  EXPECT_EQ(dump["windows"].back()["class"], "CTarvoDlg");
  EXPECT_FALSE(dump["launcher"]["items"].empty());
}

TEST(TarvoHelp, NamesTheScriptOptions) {
  FILE* pipe = popen("'" TARVO_BINARY "' --help", "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  EXPECT_EQ(pclose(pipe), 0);
  for (const char* option : {"--script FILE", "--step-delay MS", "--dump-ui"})
    EXPECT_NE(out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace tarvo::testing
