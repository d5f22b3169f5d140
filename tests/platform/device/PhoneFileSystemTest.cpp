#include <gtest/gtest.h>

#include <filesystem>

#include "platform/device/PhoneFileSystem.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

class PhoneFileSystemTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  PhoneFileSystem files_{dir_.Path()};
};

TEST_F(PhoneFileSystemTest, PathsMatchWithoutRegardToCase) {
  ASSERT_TRUE(files_.WriteAtomically(u"\\windows\\xhLead.txt", "one"));
  EXPECT_EQ(files_.ReadAll(u"\\Windows\\XHLEAD.TXT").value_or(""), "one");
  ASSERT_TRUE(files_.WriteAtomically(u"\\WINDOWS\\XHLEAD.txt", "two"));
  EXPECT_EQ(files_.ReadAll(u"\\windows\\xhlead.txt").value_or(""), "two");
  // One file, kept under the name it was first created with.
  EXPECT_EQ(dir_.Read("windows/xhLead.txt"), "two");
  EXPECT_EQ(files_.ListFolder(u"\\WINDOWS")->size(), 1u);
}

TEST_F(PhoneFileSystemTest, WritingCreatesParentFoldersAndLeavesNoTemporaryFiles) {
  ASSERT_TRUE(files_.WriteAtomically(u"\\Program Files\\Tarvo\\temp\\a.ini", "x"));
  EXPECT_TRUE(files_.FolderExists(u"\\program files\\tarvo\\TEMP"));
  auto entries = files_.ListFolder(u"\\Program Files\\Tarvo\\temp");
  ASSERT_TRUE(entries);
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].name, u"a.ini");
}

TEST_F(PhoneFileSystemTest, AMoveReplacesTheTargetAndNeedsAFile) {
  ASSERT_TRUE(files_.WriteAtomically(u"\\temp\\image\\0.jpg.part", "new"));
  ASSERT_TRUE(files_.WriteAtomically(u"\\Temp\\Image\\0.JPG", "old"));
  EXPECT_TRUE(files_.MoveFile(u"\\TEMP\\image\\0.jpg.part", u"\\temp\\image\\0.jpg"));
  EXPECT_EQ(files_.ReadAll(u"\\temp\\image\\0.jpg").value_or(""), "new");
  EXPECT_FALSE(files_.FileExists(u"\\temp\\image\\0.jpg.part"));
  EXPECT_EQ(files_.ListFolder(u"\\temp\\image")->size(), 1u);  // replaced under its old name
  EXPECT_FALSE(files_.MoveFile(u"\\temp\\image\\none", u"\\temp\\image\\x"));
  EXPECT_FALSE(files_.MoveFile(u"\\temp\\image", u"\\temp\\moved"));  // a folder is no file
  EXPECT_TRUE(files_.MoveFile(u"\\temp\\image\\0.jpg", u"\\other\\1.jpg"));  // parents made
  EXPECT_EQ(files_.ReadAll(u"\\other\\1.jpg").value_or(""), "new");
}

TEST_F(PhoneFileSystemTest, PathsThatLeaveTheRootAreRefused) {
  EXPECT_FALSE(files_.HostPath(u"\\windows\\..\\..\\etc\\passwd"));
  EXPECT_FALSE(files_.WriteAtomically(u"..\\outside.txt", "x"));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(dir_.Path()).parent_path() /
                                       "outside.txt"));
  EXPECT_EQ(files_.HostPath(u"/windows//./a.txt"), dir_.Path() + "/windows/a.txt");
}

TEST_F(PhoneFileSystemTest, AppendNeedsAnExistingFile) {
  EXPECT_FALSE(files_.Append(u"\\a.txt", "x"));
  EXPECT_FALSE(files_.FileExists(u"\\a.txt"));
  ASSERT_TRUE(files_.WriteAtomically(u"\\a.txt", "x"));
  EXPECT_TRUE(files_.Append(u"\\A.TXT", "y"));
  EXPECT_EQ(files_.ReadAll(u"\\a.txt").value_or(""), "xy");
}

TEST_F(PhoneFileSystemTest, FoldersAreNotFiles) {
  ASSERT_TRUE(files_.CreateFolder(u"\\Temp\\image"));
  EXPECT_FALSE(files_.FileExists(u"\\temp\\image"));
  EXPECT_FALSE(files_.ReadAll(u"\\temp\\image"));
  EXPECT_FALSE(files_.WriteAtomically(u"\\temp\\image", "x"));
  EXPECT_FALSE(files_.RemoveFolder(u"\\"));  // never the root
  EXPECT_FALSE(files_.RemoveFolder(u"\\temp"));  // not empty
  EXPECT_TRUE(files_.RemoveFolder(u"\\temp\\IMAGE"));
}

}  // namespace
}  // namespace tarvo
