#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <future>

#include "platform/device/Device.h"
#include "platform/text/Utf8.h"
#include "support/TestDevice.h"
#include "support/TempDir.h"
#include "tools/SystemHelpers.h"

namespace tarvo {
namespace {

namespace fs = std::filesystem;

TEST(FindFileInTree, ASubfolderIsSearchedBeforeLaterEntriesOfItsParent) {
  testing::TempDir dir;
  dir.Write("root/a/deep/player.exe", "");
  dir.Write("root/player.exe", "");
  dir.Write("root/b/player.exe", "");
  HostFileAccess files;
  const WString root = FromUtf8(dir.File("root"));
  EXPECT_EQ(FindFileInTree(files, root, u"player.exe"), root + u"/a/deep/player.exe");
  fs::remove_all(dir.File("root/a"));
  EXPECT_EQ(FindFileInTree(files, root, u"player.exe"), root + u"/b/player.exe");
  EXPECT_FALSE(FindFileInTree(files, root, u"none.exe"));
  EXPECT_FALSE(FindFileInTree(files, root + u"/missing", u"player.exe"));
}

TEST(FindFileInTree, PhonePathsAndLinksThatWouldLoop) {
  testing::TempDir dir;
  dir.Write("fs/Storage Card/UC/UCWEB.exe", "");
  fs::create_directory_symlink(dir.File("fs"), dir.File("fs/Storage Card/loop"));
  PhoneFileSystem files(dir.File("fs"));
  EXPECT_EQ(FindFileInTree(files, u"\\storage card", u"UCWEB.exe"),
            u"\\storage card\\UC\\UCWEB.exe");
  EXPECT_FALSE(FindFileInTree(files, u"\\", u"nothing"));  // returns: links are not followed
}

TEST(DeleteTree, FilesGoEmptySubfoldersGoFullOnesAreEmptied) {
  testing::TempDir dir;
  dir.Write("t/a.txt", "");
  dir.Write("t/full/b.txt", "");
  dir.Write("t/full/inner/c.txt", "");
  fs::create_directories(dir.File("t/empty"));
  HostFileAccess files;
  const WString tree = FromUtf8(dir.File("t"));
  EXPECT_TRUE(DeleteTree(files, tree, false));
  EXPECT_FALSE(fs::exists(dir.File("t/a.txt")));
  EXPECT_FALSE(fs::exists(dir.File("t/empty")));
  EXPECT_TRUE(fs::is_directory(dir.File("t/full/inner")));
  EXPECT_FALSE(fs::exists(dir.File("t/full/inner/c.txt")));
  EXPECT_TRUE(DeleteTree(files, tree, true));  // the now empty folders go
  EXPECT_TRUE(fs::exists(dir.File("t")));      // "full" was emptied, not removed, this time
  EXPECT_TRUE(DeleteTree(files, tree, true));
  EXPECT_TRUE(DeleteTree(files, tree, true));
  EXPECT_FALSE(fs::exists(dir.File("t")));
  EXPECT_TRUE(DeleteTree(files, tree, true));  // missing: nothing to do
  EXPECT_FALSE(DeleteTree(files, u"", true));
}

TEST(DeleteTree, ALinkIsNeverFollowed) {
  testing::TempDir dir;
  dir.Write("keep/precious.txt", "x");
  dir.Write("t/a.txt", "");
  fs::create_directory_symlink(dir.File("keep"), dir.File("t/link"));
  HostFileAccess files;
  DeleteTree(files, FromUtf8(dir.File("t")), true);
  EXPECT_TRUE(fs::exists(dir.File("keep/precious.txt")));
}

class DeviceHelpersTest : public ::testing::Test {
 protected:
  void SetUp() override { device_ = testing::OpenTestDevice(dir_.File("phone")); }
  testing::TempDir dir_;
  std::unique_ptr<Device> device_;
};

TEST_F(DeviceHelpersTest, DeviceVersionAndTheV9Edition) {
  ASSERT_TRUE(device_);
  Registry& registry = device_->GetRegistry();
  DeviceVersion version = ReadDeviceVersion(registry);
  EXPECT_FALSE(version.text.empty());
  EXPECT_FALSE(version.isV9);
  registry.SetString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\VERSION", u"VERSION",
                     u"HTC-V9 2.0" + WString(100, u'x'));
  version = ReadDeviceVersion(registry);
  EXPECT_TRUE(version.isV9);
  EXPECT_EQ(version.text.size(), 63u);  // what a 128-byte buffer holds
}

TEST_F(DeviceHelpersTest, AMissingVersionKeyIsCreatedEmptyButAnExistingOneIsNotWritten) {
  ASSERT_TRUE(device_);
  testing::TempDir other;
  Registry registry(other.File("registry.ini"), other.File("registry.lock"));
  DeviceVersion version = ReadDeviceVersion(registry);
  EXPECT_TRUE(version.text.empty());
  EXPECT_FALSE(version.isV9);
  EXPECT_EQ(registry.GetString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\VERSION",
                               u"VERSION"),
            u"");
  registry.DeleteValue(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\VERSION", u"VERSION");
  EXPECT_TRUE(ReadDeviceVersion(registry).text.empty());
  EXPECT_FALSE(registry.GetString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\VERSION",
                                  u"VERSION"));
}

TEST_F(DeviceHelpersTest, OrientationTogglesWithinItsPair) {
  ASSERT_TRUE(device_);
  DisplaySettings& display = device_->Display();
  int told = -1;
  display.AddListener([&](int degrees) { told = degrees; });
  EXPECT_TRUE(SwitchOrientation(display));
  EXPECT_EQ(display.Orientation(), 90);
  EXPECT_EQ(told, 90);
  EXPECT_TRUE(SwitchOrientation(display));
  EXPECT_EQ(display.Orientation(), 0);
  display.SetOrientation(180);
  EXPECT_TRUE(SwitchOrientation(display));
  EXPECT_EQ(display.Orientation(), 270);
  EXPECT_TRUE(SwitchOrientation(display));
  EXPECT_EQ(display.Orientation(), 180);
  EXPECT_FALSE(display.SetOrientation(45));
}

TEST_F(DeviceHelpersTest, TaskManagerAndFolders) {
  ASSERT_TRUE(device_);
  device_->Files().DeleteFile(u"\\Windows\\TaskMgr.exe");  // the template's placeholder
  EXPECT_FALSE(TaskManagerPresent(device_->Files()));
  device_->Files().WriteAtomically(u"\\windows\\taskmgr.exe", "");
  EXPECT_TRUE(TaskManagerPresent(device_->Files()));
  EXPECT_TRUE(FolderExists(device_->Files(), u"\\WINDOWS"));
  EXPECT_FALSE(FolderExists(device_->Files(), u"\\Windows\\TaskMgr.exe"));
}

TEST(WorkerThread, KnowsWhetherItsJobStillRuns) {
  WorkerThread worker;
  EXPECT_FALSE(IsThreadRunning(worker));
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  ASSERT_TRUE(worker.Start([released](const std::atomic<bool>&) { released.wait(); }));
  EXPECT_TRUE(IsThreadRunning(worker));
  EXPECT_FALSE(worker.Start([](const std::atomic<bool>&) {}));  // one job at a time
  EXPECT_FALSE(worker.WaitFor(std::chrono::milliseconds(20)));  // bounded
  release.set_value();
  EXPECT_TRUE(worker.WaitFor(std::chrono::seconds(10)));
  EXPECT_FALSE(IsThreadRunning(worker));
  // A finished worker takes the next job; a stop request reaches it.
  ASSERT_TRUE(worker.Start([](const std::atomic<bool>& stop) {
    while (!stop) std::this_thread::yield();
  }));
  worker.RequestStop();
  EXPECT_TRUE(worker.WaitFor(std::chrono::seconds(10)));
}

}  // namespace
}  // namespace tarvo
