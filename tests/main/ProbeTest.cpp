#include <gtest/gtest.h>

#include <sstream>

#include "main/probe/ProbeCommand.h"
#include "platform/text/CodePage.h"
#include "support/TempDir.h"

namespace tarvo::probe {
namespace {

struct Result {
  int code;
  std::string out;
  std::string err;
};

Result Probe(std::vector<std::string> args) {
  std::ostringstream out, err;
  int code = RunProbe(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(ProbeCommands, HelpUsageAndUnknownCommands) {
  Result help = Probe({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("ini get FILE SECTION KEY"), std::string::npos);
  EXPECT_EQ(Probe({}).code, 2);
  EXPECT_EQ(Probe({"frobnicate"}).code, 2);
  EXPECT_EQ(Probe({"ini", "get", "only-a-file"}).code, 2);
  EXPECT_EQ(Probe({"ini", "get", "f", "s", "k", "--capacity", "0"}).code, 2);
  EXPECT_EQ(Probe({"ini", "get", "f", "s", "k", "--bogus"}).code, 2);
  EXPECT_EQ(Probe({"--codepage", "NOPE", "ini", "get", "f", "s", "k"}).code, 2);
}

TEST(ProbeCommands, IniGetSetAndGetint) {
  testing::TempDir dir;
  const std::string file = dir.File("c.ini");
  EXPECT_EQ(Probe({"ini", "set", file, "模板", "style", "12abc"}).code, 0);
  EXPECT_EQ(dir.Read("c.ini"), ToCodePage(u"[模板]\r\nstyle=12abc\r\n"));
  Result got = Probe({"ini", "get", file, "模板", "style", "--capacity", "3"});
  EXPECT_EQ(got.code, 0);
  EXPECT_EQ(got.out, "12\n");
  Result missing = Probe({"ini", "get", file, "模板", "none", "--default", "默认"});
  EXPECT_EQ(missing.code, 0);
  EXPECT_EQ(missing.out, "默认\n");
  EXPECT_EQ(Probe({"ini", "getint", file, "模板", "style", "5"}).out, "12\n");
  EXPECT_EQ(Probe({"ini", "getint", file, "模板", "none", "-5"}).out, "-5\n");
  EXPECT_EQ(Probe({"ini", "set", file, "s]", "k", "v"}).code, 1);  // refused
  EXPECT_EQ(Probe({"ini", "set", dir.Path(), "s", "k", "v"}).code, 1);  // a folder
}

TEST(ProbeCommands, KeywordsLoadAndAppend) {
  testing::TempDir dir;
  const std::string file = dir.File("r.txt");
  EXPECT_EQ(Probe({"keywords", "load", file}).out, "[]\n");
  EXPECT_EQ(Probe({"keywords", "append", file, "天龙八部"}).code, 0);
  EXPECT_EQ(Probe({"keywords", "append", file, "--", "--dash"}).code, 0);
  EXPECT_EQ(Probe({"keywords", "append", file, ""}).code, 1);
  Result loaded = Probe({"keywords", "load", file});
  EXPECT_EQ(loaded.code, 0);
  EXPECT_EQ(loaded.out, "[\"天龙八部\",\"--dash\"]\n");
  EXPECT_EQ(Probe({"keywords", "load", dir.Path()}).code, 2);
}

TEST(ProbeCommands, RegistrySetCreatesTheDeviceAndGetReadsIt) {
  testing::TempDir dir;
  const std::string device = dir.File("dev");
  const std::string key = "HKEY_CLASSES_ROOT\\proinfo\\Tarvo XH";
  EXPECT_EQ(Probe({"registry", "get", device, key, "LastPage"}).code, 2);  // no device yet
  EXPECT_EQ(Probe({"registry", "set", device, key, "LastPage", "--dword", "4294967295"}).code, 0);
  EXPECT_EQ(Probe({"registry", "get", device, "hkey_classes_root\\PROINFO\\tarvo xh", "lastpage"}).out,
            "4294967295\n");
  EXPECT_EQ(Probe({"registry", "set", device, key, "Name", "中文"}).code, 0);
  EXPECT_EQ(Probe({"registry", "get", device, key, "Name"}).out, "中文\n");
  EXPECT_EQ(Probe({"registry", "get", device, key, "Other"}).code, 1);
  EXPECT_EQ(Probe({"registry", "get", device, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\VERSION",
                 "VERSION"}).code,
            0);
  EXPECT_EQ(Probe({"registry", "set", device, key, "N", "--dword", "4294967296"}).code, 2);
  EXPECT_EQ(Probe({"registry", "set", device, "HKCU\\x", "N", "v"}).code, 2);
}

}  // namespace
}  // namespace tarvo::probe
