// tarvo-probe launcher add-tool: the item lands in MainMenu.xml once, after
// the defaults when the file held none, and the launcher reads it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "launcher/items/LauncherDocument.h"
#include "main/probe/ProbeCommand.h"
#include "platform/device/Device.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

int AddTool(const std::vector<std::string>& args, std::string* out = nullptr) {
  std::ostringstream o;
  std::ostringstream e;
  std::vector<std::string> all{"launcher", "add-tool"};
  all.insert(all.end(), args.begin(), args.end());
  const int code = probe::RunProbe(all, o, e);
  if (out) *out = o.str();
  return code;
}

std::vector<LauncherItem> ReadBack(const std::string& dir) {
  auto device = Device::Open(dir);
  LauncherDocument document(device->Files(), u"\\Program Files\\Tarvo\\temp\\MainMenu.xml");
  EXPECT_TRUE(document.Load());
  return document.ReadItems();
}

TEST(ProbeLauncher, AddsTheToolAfterTheDefaultsOnceAndKeepsAnExistingList) {
  testing::TempDir dir;
  const std::string phone = dir.File("phone");
  ASSERT_TRUE(testing::OpenTestDevice(phone));

  std::string out;
  EXPECT_EQ(AddTool({phone, "全网搜索"}, &out), 0);
  EXPECT_EQ(out, "added\n");
  auto items = ReadBack(phone);
  ASSERT_GT(items.size(), 5u);  // the normal set first, not the new item alone
  auto has = [&items](const char16_t* title) {
    return std::any_of(items.begin(), items.end(), [title](const LauncherItem& i) { return i.Title == title; });
  };
  EXPECT_TRUE(has(u"视频搜索"));
  EXPECT_TRUE(has(u"设置"));
  EXPECT_EQ(items.back(), (LauncherItem{0, u"全网搜索",
                                        u"\\Program Files\\Tarvo\\TarvoImage\\Tarvo_Search.png", u""}));

  EXPECT_EQ(AddTool({phone, "全网搜索", "Other.png"}, &out), 0);
  EXPECT_EQ(out, "already there\n");
  EXPECT_EQ(ReadBack(phone).size(), items.size());

  EXPECT_EQ(AddTool({phone, "我的工具", "\\My\\icon.png"}), 0);
  auto more = ReadBack(phone);
  ASSERT_EQ(more.size(), items.size() + 1);
  EXPECT_EQ(more.back().IconPath, u"\\My\\icon.png");
  EXPECT_EQ(more.back().Kind, 0);
}

TEST(ProbeLauncher, RefusesAnEmptyTitleAndMissingArguments) {
  testing::TempDir dir;
  const std::string phone = dir.File("phone");
  ASSERT_TRUE(testing::OpenTestDevice(phone));
  EXPECT_EQ(AddTool({phone, ""}), 2);
  EXPECT_EQ(AddTool({phone}), 2);
  EXPECT_EQ(AddTool({phone, "a", "b", "c"}), 2);
}

}  // namespace
}  // namespace tarvo
