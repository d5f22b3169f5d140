#include "platform/device/FileLock.h"

#include <gtest/gtest.h>

#include "platform/device/FileAccess.h"
#include "platform/device/PhoneFileSystem.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

TEST(FolderLock, ASecondHolderIsKeptOutEvenOnTheSameThread) {
  testing::TempDir dir;
  auto first = FileLock::OnFolder(dir.Path());
  ASSERT_TRUE(first->Held());
  EXPECT_FALSE(FileLock::OnFolder(dir.Path(), FileLock::Mode::TryOnly)->Held());
  first.reset();
  EXPECT_TRUE(FileLock::OnFolder(dir.Path(), FileLock::Mode::TryOnly)->Held());
  EXPECT_FALSE(FileLock::OnFolder(dir.File("missing"))->Held());
}

TEST(FolderLock, FileAccessLocksTheFilesFolderAndMakesNoFileForIt) {
  testing::TempDir dir;
  HostFileAccess host;
  auto lock = host.LockFolderOf(FromUtf8(dir.File("new/t.ini")));
  ASSERT_TRUE(lock && lock->Held());
  EXPECT_FALSE(FileLock::OnFolder(dir.File("new"), FileLock::Mode::TryOnly)->Held());
  PhoneFileSystem phone(dir.Path());
  auto phoneLock = phone.LockFolderOf(u"\\Windows\\Tarvo.ini");
  ASSERT_TRUE(phoneLock && phoneLock->Held());
  EXPECT_FALSE(FileLock::OnFolder(dir.File("Windows"), FileLock::Mode::TryOnly)->Held());
  EXPECT_EQ(phone.ListFolder(u"\\Windows")->size(), 0u);
}

}  // namespace
}  // namespace tarvo
