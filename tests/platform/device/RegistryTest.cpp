#include <gtest/gtest.h>

#include <thread>

#include "platform/device/Registry.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  Registry Open() { return Registry(dir_.File("registry.ini"), dir_.File("registry.lock")); }
};

TEST_F(RegistryTest, NamesMatchWithoutRegardToCaseAndLeadingBackslash) {
  Registry registry = Open();
  ASSERT_TRUE(registry.SetNumber(RegistryRoot::ClassesRoot, u"proinfo\\Tarvo XH", u"LastPage", 7));
  EXPECT_EQ(registry.GetNumber(RegistryRoot::ClassesRoot, u"\\PROINFO\\tarvo xh", u"lastpage"), 7u);
  EXPECT_FALSE(registry.GetNumber(RegistryRoot::LocalMachine, u"proinfo\\Tarvo XH", u"LastPage"));
  EXPECT_FALSE(registry.GetString(RegistryRoot::ClassesRoot, u"proinfo\\Tarvo XH", u"LastPage"));
  EXPECT_TRUE(registry.KeyExists(RegistryRoot::ClassesRoot, u"proinfo\\tarvo xh\\"));
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::ClassesRoot, u"proinfo\\Tarvo"));
}

TEST_F(RegistryTest, ValuesSurviveTheFileWhateverTheyHold) {
  const WString awkward = u"line1\r\nline2 = 50% [x] 中文";
  {
    Registry registry = Open();
    ASSERT_TRUE(registry.SetString(RegistryRoot::ClassesRoot, u"odd]key=", u"na=me]", awkward));
    ASSERT_TRUE(registry.SetString(RegistryRoot::ClassesRoot, u"proinfo", u"", u"default"));
    ASSERT_TRUE(registry.SetNumber(RegistryRoot::ClassesRoot, u"proinfo", u"Big", 4294967295u));
  }
  Registry again = Open();
  EXPECT_EQ(again.GetString(RegistryRoot::ClassesRoot, u"odd]key=", u"na=me]"), awkward);
  EXPECT_EQ(again.GetString(RegistryRoot::ClassesRoot, u"proinfo", u""), u"default");
  EXPECT_EQ(again.GetNumber(RegistryRoot::ClassesRoot, u"proinfo", u"Big"), 4294967295u);
}

TEST_F(RegistryTest, ReplacingAValueKeepsOneOfItAndMayChangeItsType) {
  Registry registry = Open();
  registry.SetString(RegistryRoot::LocalMachine, u"k", u"v", u"text");
  registry.SetNumber(RegistryRoot::LocalMachine, u"K", u"V", 3);
  EXPECT_EQ(registry.GetNumber(RegistryRoot::LocalMachine, u"k", u"v"), 3u);
  EXPECT_FALSE(registry.GetString(RegistryRoot::LocalMachine, u"k", u"v"));
  EXPECT_TRUE(registry.DeleteValue(RegistryRoot::LocalMachine, u"k", u"V"));
  EXPECT_FALSE(registry.DeleteValue(RegistryRoot::LocalMachine, u"k", u"V"));
  EXPECT_TRUE(registry.KeyExists(RegistryRoot::LocalMachine, u"k"));
}

TEST_F(RegistryTest, ConcurrentWritersFromTwoHandlesLoseNothing) {
  // Two objects on one file stand for two processes: only the file lock
  // keeps their read-modify-write cycles apart.
  Registry first = Open();
  Registry second = Open();
  constexpr int kWrites = 60;
  auto writer = [](Registry& registry, const char16_t* name) {
    for (int i = 0; i < kWrites; ++i) {
      WString value = WString(name) + u"-" + WString(1, char16_t(u'0' + i % 10)) +
                      WString(1, char16_t(u'A' + i / 10));
      registry.SetNumber(RegistryRoot::ClassesRoot, u"proinfo", value, static_cast<uint32_t>(i));
    }
  };
  std::thread a([&] { writer(first, u"a"); });
  std::thread b([&] { writer(second, u"b"); });
  a.join();
  b.join();
  Registry reader = Open();
  for (int i = 0; i < kWrites; ++i) {
    for (const char16_t* name : {u"a", u"b"}) {
      WString value = WString(name) + u"-" + WString(1, char16_t(u'0' + i % 10)) +
                      WString(1, char16_t(u'A' + i / 10));
      EXPECT_EQ(reader.GetNumber(RegistryRoot::ClassesRoot, u"proinfo", value),
                static_cast<uint32_t>(i));
    }
  }
}

TEST_F(RegistryTest, FullKeyNames) {
  auto key = Registry::ParseFullKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\VERSION");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->first, RegistryRoot::LocalMachine);
  EXPECT_EQ(key->second, u"SOFTWARE\\Microsoft\\VERSION");
  EXPECT_EQ(Registry::ParseFullKey(u"\\hkey_classes_root\\proinfo")->first,
            RegistryRoot::ClassesRoot);
  EXPECT_FALSE(Registry::ParseFullKey(u"HKEY_CURRENT_USER\\x"));
}

}  // namespace
}  // namespace tarvo
