#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ui/Messages.h"
#include "platform/ui/automation/Script.h"

namespace tarvo::ui::automation {
namespace {

using namespace std::chrono_literals;

TEST(ScriptParsing, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
  std::string error;
  auto script = ParseScript("# a comment\n\n  tap 10 20  \r\n#tap 1 1\nrotate\n", &error);
  ASSERT_TRUE(script) << error;
  ASSERT_EQ(script->steps.size(), 2u);
  EXPECT_EQ(script->steps[0].line, 3);
  EXPECT_EQ(script->steps[0].source, "tap 10 20");
  EXPECT_EQ(script->steps[0].numbers, (std::vector<int>{10, 20}));
  EXPECT_EQ(script->steps[1].line, 5);
}

TEST(ScriptParsing, QuotedArgumentsKeepTheirBlanks) {
  auto script = ParseScript("tap-text \"按钮 风格\" 2\ntype \"\"\n", nullptr);
  ASSERT_TRUE(script);
  EXPECT_EQ(script->steps[0].args[0], "按钮 风格");
  EXPECT_EQ(script->steps[0].numbers, (std::vector<int>{2}));
  EXPECT_EQ(script->steps[1].args[0], "");
}

TEST(ScriptParsing, AWaitsDeadlineIsItsLastArgumentWithAUnitNeverItsText) {
  auto script = ParseScript("wait-dialog 设置 2500ms\nwait-idle 30s\nwait-text 30s\nwait-message\n", nullptr);
  ASSERT_TRUE(script);
  EXPECT_EQ(script->steps[0].deadline, 2500ms);
  EXPECT_EQ(script->steps[0].args, (std::vector<std::string>{"设置"}));
  EXPECT_EQ(script->steps[1].deadline, 30s);
  EXPECT_EQ(script->steps[2].args, (std::vector<std::string>{"30s"}));
  EXPECT_EQ(script->steps[2].deadline, 10000ms);
  EXPECT_TRUE(script->steps[3].args.empty());
}

TEST(ScriptParsing, MalformedLinesAreRefusedWithTheirNumber) {
  std::string error;
  EXPECT_FALSE(ParseScript("tap 1 2\ntap 1\n", &error));
  EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
  EXPECT_FALSE(ParseScript("jump\n", &error));
  EXPECT_EQ(error, "line 1: unknown step \"jump\"");
  EXPECT_FALSE(ParseScript("tap x 2\n", nullptr));
  EXPECT_FALSE(ParseScript("wait-text \"open\n", nullptr));
  EXPECT_FALSE(ParseScript("menu 菜单//刷新\n", nullptr));
  EXPECT_FALSE(ParseScript("tap-text 设置 0\n", nullptr));
  EXPECT_FALSE(ParseScript("wait-dialog 设置 5s extra\n", nullptr));
  EXPECT_FALSE(ParseScript("rotate now\n", nullptr));
}

TEST(ScriptParsing, KeyNamesAndCodes) {
  EXPECT_EQ(ParseKeyName("End"), keys::kEnd);
  EXPECT_EQ(ParseKeyName("Enter"), keys::kReturn);
  EXPECT_EQ(ParseKeyName("Back"), keys::kBack);
  EXPECT_EQ(ParseKeyName("F1"), keys::kSoftLeft);
  EXPECT_EQ(ParseKeyName("F12"), 0x7B);
  EXPECT_EQ(ParseKeyName("27"), keys::kEscape);
  EXPECT_FALSE(ParseKeyName("F13"));
  EXPECT_FALSE(ParseKeyName("Banana"));
}

TEST(ScriptParsing, Deadlines) {
  EXPECT_EQ(ParseDeadline("2500ms"), 2500ms);
  EXPECT_EQ(ParseDeadline("30s"), 30s);
  EXPECT_FALSE(ParseDeadline("30"));
  EXPECT_FALSE(ParseDeadline("ms"));
  EXPECT_FALSE(ParseDeadline("-5s"));
}

}  // namespace
}  // namespace tarvo::ui::automation

namespace tarvo::ui::automation {
namespace {

// Every example a newcomer may run is a well-formed script.
TEST(ScriptExamples, EveryExampleParses) {
  const std::filesystem::path folder = std::filesystem::path(TARVO_TEST_DATA_DIR) / ".." / ".." / "docs" / "examples";
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".tarvo") continue;
    ++examples;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    EXPECT_TRUE(ParseScript(text.str(), &error).has_value()) << entry.path().filename() << ": " << error;
  }
  EXPECT_GE(examples, 4);
}

}  // namespace
}  // namespace tarvo::ui::automation
