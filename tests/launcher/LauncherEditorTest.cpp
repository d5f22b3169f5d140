#include <gtest/gtest.h>

#include "launcher/items/LauncherEditor.h"
#include "platform/device/PhoneFileSystem.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

constexpr char16_t kPath[] = u"\\Program Files\\Tarvo\\temp\\MainMenu.xml";

LauncherItem Program(WStringView title, WStringView command) {
  return LauncherItem{kProgramItem, WString(title), u"", WString(command)};
}
LauncherItem Tool(WStringView title) { return LauncherItem{kToolItem, WString(title), u"", u""}; }

// An editor over a saved document; every check reads the file back from disk.
class LauncherEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& item : {Program(u"电话", u"\\Windows\\cprog.exe"), Tool(u"设置"),
                             Program(u"电话", u"\\Windows\\camera.exe"), Tool(u"退出")})
      document_.AppendItemElement(item);
    ASSERT_TRUE(document_.Save());
    items_ = document_.ReadItems();
  }
  std::vector<LauncherItem> OnDisk() {
    LauncherDocument fresh(files_, kPath);
    fresh.Load();
    return fresh.ReadItems();
  }

  testing::TempDir dir_;
  PhoneFileSystem files_{dir_.Path()};
  LauncherDocument document_{files_, kPath};
  std::vector<LauncherItem> items_;
  LauncherEditor editor_{document_, items_, DeviceFacts{u"\\Program Files\\Tarvo\\", false}, files_};
};

TEST_F(LauncherEditorTest, MovesActOnTheRowNotOnTheFirstItemWithTheSameTitle) {
  EXPECT_EQ(editor_.Move(2, -1), MoveOutcome::kMoved);
  EXPECT_EQ(items_[1].ExePath, u"\\Windows\\camera.exe");
  EXPECT_EQ(OnDisk(), items_);
  EXPECT_EQ(editor_.Move(1, 1), MoveOutcome::kMoved);
  EXPECT_EQ(items_[2].ExePath, u"\\Windows\\camera.exe");
  EXPECT_EQ(OnDisk(), items_);
}

TEST_F(LauncherEditorTest, MovesPastTheEndsOrWithoutARowChangeNothing) {
  const auto before = items_;
  EXPECT_EQ(editor_.Move(0, -1), MoveOutcome::kAtEdge);
  EXPECT_EQ(editor_.Move(3, 1), MoveOutcome::kAtEdge);
  EXPECT_EQ(editor_.Move(-1, 1), MoveOutcome::kNoSelection);
  EXPECT_EQ(editor_.Move(4, -1), MoveOutcome::kNoSelection);
  EXPECT_EQ(editor_.Move(1, 2), MoveOutcome::kAtEdge);
  EXPECT_EQ(items_, before);
  EXPECT_EQ(OnDisk(), before);
}

TEST_F(LauncherEditorTest, DeletingKeepsSettingsAndExitAndSelectsTheNeighbour) {
  int next = -5;
  EXPECT_EQ(editor_.Delete(1, next), DeleteOutcome::kProtected);
  EXPECT_EQ(editor_.Delete(3, next), DeleteOutcome::kProtected);
  EXPECT_EQ(editor_.Delete(-1, next), DeleteOutcome::kNoSelection);
  EXPECT_EQ(next, -5);
  EXPECT_EQ(editor_.Delete(2, next), DeleteOutcome::kDeleted);  // the second "电话"
  EXPECT_EQ(next, 2);  // "退出" moved up into the row
  ASSERT_EQ(items_.size(), 3u);
  EXPECT_EQ(items_[0].ExePath, u"\\Windows\\cprog.exe");
  EXPECT_EQ(OnDisk(), items_);

  // Deleting the last row selects the new last row.
  items_.push_back(Program(u"相机", u"\\Windows\\camera.exe"));
  document_.AppendItemElement(items_.back());
  EXPECT_EQ(editor_.Delete(3, next), DeleteOutcome::kDeleted);
  EXPECT_EQ(next, 2);
  EXPECT_EQ(OnDisk(), items_);
}

TEST_F(LauncherEditorTest, AddedProgramsAndRestoredDefaultsReachTheFile) {
  EXPECT_EQ(editor_.Add(u"\\Windows\\Games\\Solitaire.game.lnk"), u"Solitaire");
  EXPECT_EQ(items_.back(), Program(u"Solitaire", u"\\Windows\\Games\\Solitaire.game.lnk"));
  EXPECT_EQ(OnDisk(), items_);
  editor_.RestoreDefaults(1);
  EXPECT_EQ(items_.front().Title, u"电话");
  EXPECT_EQ(items_.back().Title, u"退出");
  EXPECT_EQ(items_.size(), 14u);
  EXPECT_EQ(OnDisk(), items_);
}

TEST(LauncherDocumentPositions, EditsOutsideTheElementsChangeNothing) {
  testing::TempDir dir;
  PhoneFileSystem files(dir.Path());
  LauncherDocument document(files, kPath);
  document.Load();
  EXPECT_FALSE(document.RemoveItemElementAt(0));
  EXPECT_FALSE(document.SwapItemElementWithNext(0));
  document.AppendItemElement(Tool(u"设置"));
  EXPECT_FALSE(document.SwapItemElementWithNext(0));
  EXPECT_FALSE(document.RemoveItemElementAt(1));
  EXPECT_TRUE(document.RemoveItemElementAt(0));
  EXPECT_TRUE(document.ReadItems().empty());
}

}  // namespace
}  // namespace tarvo
