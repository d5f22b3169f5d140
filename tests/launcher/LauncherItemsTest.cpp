#include <gtest/gtest.h>

#include "launcher/items/ItemStart.h"
#include "launcher/items/LauncherDocument.h"
#include "platform/device/PhoneFileSystem.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

constexpr char16_t kProgramDir[] = u"\\Program Files\\Tarvo\\";
constexpr char16_t kPath[] = u"\\Program Files\\Tarvo\\temp\\MainMenu.xml";

class LauncherItemsTest : public ::testing::Test {
 protected:
  std::vector<LauncherItem> Load(int style, bool isV9 = false) {
    LauncherDocument document(files_, kPath);
    std::vector<LauncherItem> items;
    LoadLauncherItems(document, style, DeviceFacts{kProgramDir, isV9}, files_, items,
                      [this] { ++errors_; });
    return items;
  }
  std::vector<WString> Titles(const std::vector<LauncherItem>& items) {
    std::vector<WString> titles;
    for (const auto& item : items) titles.push_back(item.Title);
    return titles;
  }
  std::string File() { return files_.ReadAll(kPath).value_or("<none>"); }

  testing::TempDir dir_;
  PhoneFileSystem files_{dir_.Path()};
  int errors_ = 0;
};

TEST_F(LauncherItemsTest, AMissingFileGetsTheNormalDefaultsSaved) {
  auto items = Load(0);
  EXPECT_EQ(Titles(items), (std::vector<WString>{u"视频搜索", u"热点视频", u"网络电视", u"笑口常开",
                                                 u"网站云集", u"时间同步", u"设置", u"电话", u"短信",
                                                 u"联系人", u"资源管理器", u"照相机", u"任务管理器",
                                                 u"退出"}));
  EXPECT_EQ(errors_, 0);
  EXPECT_EQ(items[0].IconPath, u"\\Program Files\\Tarvo\\TarvoImage\\Tarvo_Search.png");
  EXPECT_EQ(items[8].ExePath, u"\\Windows\\tmail.exe -transport \"SMS\"");
  EXPECT_EQ(items[9].ExePath, u"\\Windows\\poutlook.exe contacts");
  const std::string saved = File();
  EXPECT_NE(saved.find("<a Title=\"视频搜索\" ext=\"0\">"), std::string::npos) << saved;
  EXPECT_NE(saved.find("<ExePath />"), std::string::npos);
  EXPECT_EQ(Load(0), items);  // the saved file reads back the same
}

TEST_F(LauncherItemsTest, TheOfficeTemplate) {
  auto items = Load(1);
  ASSERT_EQ(items.size(), 14u);
  EXPECT_EQ(items[3].Title, u"Word");
  EXPECT_EQ(items[10].ExePath, u"\\Windows\\poutlook.exe tasks");
  EXPECT_EQ(items.back().Title, u"退出");
}

TEST_F(LauncherItemsTest, TheV9EditionAndTheBrowserAndContactsRules) {
  files_.WriteAtomically(u"\\Windows\\iexplore.exe", "");
  files_.WriteAtomically(u"\\Program Files\\Iconsoft\\PhonEx\\Contacts.exe", "");
  auto items = Load(0, true);
  auto titles = Titles(items);
  EXPECT_EQ(std::count(titles.begin(), titles.end(), u"任务管理器"), 0);
  ASSERT_EQ(items.size(), 18u);
  EXPECT_EQ(items[9].ExePath, u"\\Program Files\\Iconsoft\\PhonEx\\Contacts.exe");
  EXPECT_EQ(items[12].Title, u"网络浏览器");
  EXPECT_EQ(items[12].ExePath, u"\\Windows\\iexplore.exe");
  EXPECT_EQ(items[12].IconPath, u"");
  EXPECT_EQ(items[13].IconPath, u"\\Windows\\HiFM.png");
  EXPECT_EQ(items[16].Title, u"丽音技术");
}

TEST_F(LauncherItemsTest, AnEmptyRootIsRefilledAndReadingIsPositional) {
  files_.WriteAtomically(kPath, kNewLauncherFile);
  EXPECT_EQ(Load(1).size(), 14u);
  files_.WriteAtomically(kPath,
                         "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Normal>\n"
                         "<a ext=\"1\" Title=\"swapped\"><x>icon</x><y>cmd</y></a>\n"
                         "<b Title=\"only title\" />\n</Normal>");
  auto items = Load(0);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Title, u"1");
  EXPECT_EQ(items[0].Kind, 0);  // "swapped" read as a number
  EXPECT_EQ(items[0].IconPath, u"icon");
  EXPECT_EQ(items[0].ExePath, u"cmd");
  EXPECT_EQ(items[1], (LauncherItem{0, u"only title", u"", u""}));
}

TEST_F(LauncherItemsTest, AnUnreadableFileIsReportedAndKeptAside) {
  files_.WriteAtomically(kPath, "<Normal><a Title=\"mine\" ext=\"1\">");
  auto items = Load(0);
  EXPECT_EQ(errors_, 1);
  EXPECT_EQ(items.size(), 14u);  // the defaults, saved over a fresh document
  EXPECT_EQ(files_.ReadAll(u"\\Program Files\\Tarvo\\temp\\MainMenu.xml.bad").value_or(""),
            "<Normal><a Title=\"mine\" ext=\"1\">");
  EXPECT_NE(File().find("视频搜索"), std::string::npos);
}

TEST_F(LauncherItemsTest, ASecondUnreadableFileKeepsTheFirstCopy) {
  files_.WriteAtomically(kPath, "<Normal><a Title=\"first\">");
  Load(0);
  files_.WriteAtomically(kPath, "<Normal><a Title=\"second\">");
  Load(0);
  EXPECT_EQ(files_.ReadAll(u"\\Program Files\\Tarvo\\temp\\MainMenu.xml.bad").value_or(""),
            "<Normal><a Title=\"first\">");
  EXPECT_EQ(files_.ReadAll(u"\\Program Files\\Tarvo\\temp\\MainMenu.xml.bad.1").value_or(""),
            "<Normal><a Title=\"second\">");
}

TEST_F(LauncherItemsTest, EditsSaveTheDocument) {
  LauncherDocument document(files_, kPath);
  std::vector<LauncherItem> items;
  LoadLauncherItems(document, 1, DeviceFacts{kProgramDir, false}, files_, items, nullptr);
  document.AppendItemElement(ProgramItemFor(u"\\Storage Card\\uc.web.exe"));
  ASSERT_TRUE(document.RemoveItemElement(u"Word"));
  ASSERT_TRUE(document.Save());
  LauncherDocument reread(files_, kPath);
  ASSERT_TRUE(reread.Load());
  auto after = reread.ReadItems();
  ASSERT_EQ(after.size(), 14u);
  EXPECT_EQ(after[3].Title, u"Excel");
  EXPECT_EQ(after.back(), (LauncherItem{1, u"uc", u"", u"\\Storage Card\\uc.web.exe"}));
}

TEST(ItemStart, CommandRules) {
  using Way = ItemStartPlan::Way;
  auto plan = PlanItemStart({1, u"任务", u"", u"\\Windows\\poutlook.exe tasks"});
  EXPECT_EQ(plan.way, Way::Process);
  EXPECT_EQ(plan.target, u"\\Windows\\poutlook.exe");
  EXPECT_EQ(plan.arguments, u"tasks");
  plan = PlanItemStart({1, u"短信", u"", u"\\Windows\\tmail.exe -transport \"SMS\""});
  EXPECT_EQ(plan.target, u"\\Windows\\tmail.exe");
  EXPECT_EQ(plan.arguments, u"-transport \"SMS\"");
  plan = PlanItemStart({1, u"x", u"", u"\\Windows\\fexplore.exe"});
  EXPECT_EQ(plan.way, Way::Process);
  EXPECT_EQ(plan.arguments, u"");
  plan = PlanItemStart({1, u"FM", u"", u"\\Windows\\HiFmLaunch.cpl"});
  EXPECT_EQ(plan.way, Way::Shell);
  plan = PlanItemStart({1, u"lnk", u"", u"\\Windows\\Start Menu\\Notes.lnk"});
  EXPECT_EQ(plan.way, Way::Shell);
  plan = PlanItemStart({0, u"设置", u"", u"\\Windows\\ignored.exe"});
  EXPECT_EQ(plan.way, Way::Tool);
  EXPECT_EQ(plan.target, u"设置");
  EXPECT_EQ(ProgramItemFor(u"/a/b.c/prog").Title, u"prog");
}

}  // namespace
}  // namespace tarvo
