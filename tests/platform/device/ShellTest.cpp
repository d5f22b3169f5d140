#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "platform/device/Device.h"
#include "platform/device/Shell.h"
#include "support/TestDevice.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

std::vector<std::string> LogFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t pos = 0;
  while (true) {
    size_t tab = line.find('\t', pos);
    fields.push_back(line.substr(pos, tab - pos));
    if (tab == std::string::npos) break;
    pos = tab + 1;
  }
  return fields;
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A recorder that writes its first argument to a file.
    dir_.Write("record.sh", "printf '%s' \"$1\" > \"$0.out\"\n");
    dir_.Write("phone/device.ini",
               "[Programs]\n"
               "\\Windows\\tmail.exe=/bin/sh " + dir_.File("record.sh") + " %*\n"
               "\\Windows\\missing.exe=/no/such/program\n"
               "\\Windows\\placeholder.exe=\n"
               "[FileTypes]\n"
               ".m3u=/bin/cp %1 " + dir_.File("copied") + "\n");
    device_ = testing::OpenTestDevice(dir_.File("phone"));
    ASSERT_TRUE(device_);
  }
  std::vector<std::string> LogLines() {
    std::ifstream in(device_->LaunchLogPath());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  testing::TempDir dir_;
  std::unique_ptr<Device> device_;
};

TEST_F(ShellTest, ArgumentsReachTheProgramAsOneArgumentNeverThroughAShell) {
  const WString hostile = u"-service \"SMS\"; touch pwned $(id)";
  ASSERT_TRUE(device_->GetShell().StartProcess(u"\\WINDOWS\\TMAIL.EXE", hostile, true));
  EXPECT_EQ(dir_.Read("record.sh.out"), "-service \"SMS\"; touch pwned $(id)");
  auto lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  auto fields = LogFields(lines[0]);
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields[0].size(), 19u);  // YYYY-MM-DD HH:MM:SS
  EXPECT_EQ(fields[1], "process");
  EXPECT_EQ(fields[2], "\\WINDOWS\\TMAIL.EXE");
  EXPECT_EQ(fields[3], "-service \"SMS\"; touch pwned $(id)");
  EXPECT_EQ(fields[4], "started");
}

TEST_F(ShellTest, UnmappedAndFailingStartsAreRecorded) {
  Shell& shell = device_->GetShell();
  EXPECT_FALSE(shell.StartProcess(u"\\Windows\\missing.exe", u"", false));
  EXPECT_FALSE(shell.StartProcess(u"\\Windows\\placeholder.exe", u"a\tb\nc", false));
  device_->Files().WriteAtomically(u"\\Windows\\placeholder.exe", "");
  EXPECT_TRUE(shell.StartProcess(u"\\Windows\\placeholder.exe", u"", false));
  EXPECT_FALSE(shell.ShellOpen(u"http://example.test/", u""));
  auto lines = LogLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(LogFields(lines[0]).back(), "failed");
  EXPECT_EQ(LogFields(lines[1])[3], "a b c");  // one line per start, whatever the text
  EXPECT_EQ(LogFields(lines[1]).back(), "unmapped");
  EXPECT_EQ(LogFields(lines[2]).back(), "unmapped");
  EXPECT_EQ(LogFields(lines[3])[1], "open");
}

TEST_F(ShellTest, DocumentsOpenByTypeWithTheirHostPath) {
  device_->Files().WriteAtomically(u"\\Program Files\\Tarvo\\temp\\Tarvo.m3u", "http://x/1.flv\n");
  ASSERT_TRUE(device_->GetShell().ShellOpen(u"\\program files\\tarvo\\temp\\TARVO.M3U", u""));
  // The copy runs in the background: wait for it with a deadline.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (dir_.Read("copied") != "http://x/1.flv\n" && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(dir_.Read("copied"), "http://x/1.flv\n");
}

TEST(ShellArguments, PlaceholdersAndAppending) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Shell::BuildArguments("player --x %1 %*", "/f.m3u", "a b"), (V{"player", "--x", "/f.m3u", "a b"}));
  EXPECT_EQ(Shell::BuildArguments("\"my player\"", "/f", "a b"), (V{"my player", "/f", "a b"}));
  EXPECT_EQ(Shell::BuildArguments("prog %*", "", ""), (V{"prog"}));
  EXPECT_TRUE(Shell::BuildArguments("", "/f", "x").empty());
}

}  // namespace
}  // namespace tarvo
