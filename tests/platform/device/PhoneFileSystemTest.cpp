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
