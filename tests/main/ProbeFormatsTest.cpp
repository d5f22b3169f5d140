// The format subcommands of tarvo-probe, run in-process.
#include <gtest/gtest.h>

#include <sstream>

#include "main/probe/ProbeCommand.h"
#include "support/TempDir.h"

namespace tarvo::probe {
namespace {

using testing::TempDir;

struct Result {
  int code;
  std::string out;
};

Result Probe(std::vector<std::string> args) {
  std::ostringstream out, err;
  int code = RunProbe(args, out, err);
  return {code, out.str()};
}

TEST(ProbeTicker, LeadFilesMessagesAndDue) {
  TempDir dir;
  dir.Write("lead.txt", "show=1;frequency=60;type=4;count=1;total1=25;start1=3;end1=12;step1=10;");
  dir.Write("bad.txt", "show=1;");
  dir.Write("list.txt", "tarvomsg1=hi;action1=2;url1=http://a;");
  EXPECT_EQ(Probe({"ticker", "lead", dir.File("lead.txt")}).out,
            "{\"frequency\":60,\"groups\":[{\"end\":12,\"start\":3,\"step\":10,\"total\":25}],"
            "\"show\":1,\"types\":4,\"valid\":true}\n");
  EXPECT_NE(Probe({"ticker", "lead", dir.File("bad.txt")}).out.find("\"valid\":false"),
            std::string::npos);
  EXPECT_EQ(Probe({"ticker", "files", "3", "12", "10"}).out,
            "[{\"file\":1,\"first\":3,\"last\":10},{\"file\":2,\"first\":1,\"last\":2}]\n");
  EXPECT_EQ(Probe({"ticker", "messages", dir.File("list.txt"), "1", "3"}).out,
            "{\"counts\":true,\"messages\":[{\"action\":2,\"text\":\"hi\",\"url\":\"http://a\"}]}\n");
  EXPECT_EQ(Probe({"ticker", "due", "2026-03-05  10:00:00", "60", "2026-03-05  10:59:00"}).out,
            "false\n");
  EXPECT_EQ(Probe({"ticker", "due", "garbage", "60", "2026-03-05  10:59:00"}).out, "true\n");
  EXPECT_EQ(Probe({"ticker", "due", "2026-03-05  10:00:00", "60", "now"}).code, kExitUsage);
  EXPECT_EQ(Probe({"ticker", "lead", dir.File("absent.txt")}).code, kExitUsage);
}

TEST(ProbeJokes, ParseCountAndStart) {
  TempDir dir;
  dir.Write("xh.txt", "#a\r\n#b\r\n");
  dir.Write("lf.txt", "#a\n#b\n");
  EXPECT_EQ(Probe({"jokes", "parse", dir.File("xh.txt")}).out,
            "{\"jokes\":[\"    a\\r\\n\",\"    b\\r\\n\"],\"valid\":true}\n");
  EXPECT_EQ(Probe({"jokes", "count", dir.File("lf.txt")}).out, "2\n");
  EXPECT_EQ(Probe({"jokes", "start", "45", "20"}).out, "{\"file\":3,\"index\":4}\n");
}

TEST(ProbeTv, TextListAndXmlFile) {
  TempDir dir;
  dir.Write("tvlist.txt", "#A\r\nmms://a\r\n#B\r\nrtsp://b");
  EXPECT_EQ(Probe({"tvlist", dir.File("tvlist.txt")}).out,
            "{\"channels\":[{\"name\":\"A\",\"url\":\"mms://a\"},{\"name\":\"B\",\"url\":\"rtsp://b\"}],"
            "\"valid\":true}\n");
  dir.Write("TVList.xml", "<Normal><a id=\"n\">mms://abcdefghijkl</a></Normal>");  // 49 bytes
  EXPECT_EQ(Probe({"tvxml", dir.File("TVList.xml")}).out, "{\"channels\":[]}\n");
  EXPECT_EQ(dir.Read("TVList.xml.bad"), "<Normal><a id=\"n\">mms://abcdefghijkl</a></Normal>");
}

TEST(ProbeSites, SeedsWithTheContentServer) {
  TempDir dir;
  std::string out = Probe({"sites", dir.File("s.xml"), "--content-server", "http://c:1"}).out;
  EXPECT_EQ(out.rfind("{\"sites\":[{\"name\":\"Tarvo更新\",\"url\":\"http://c:1/article.asp?id=109\"}", 0),
            0u);
}

TEST(ProbeUpdate, Decision) {
  TempDir dir;
  dir.Write("u.txt", "[Update]\nVersion=1.9\nisValid=1\n");
  EXPECT_EQ(Probe({"update", "decide", dir.File("u.txt"), "--app-version", "1.15"}).out,
            "{\"isSilence\":1,\"isValid\":1,\"newer\":false,\"section\":\"Update\",\"version\":\"1.9\"}\n");
  EXPECT_EQ(Probe({"update", "decide", dir.File("u.txt")}).code, kExitUsage);
}

TEST(ProbeAccount, CipherFramesAndFields) {
  const std::string key = "QUJDREVGR0gxMjM0NTY3OHh5";
  std::string sealed = Probe({"account", "encipher", "abcd", key}).out;
  EXPECT_EQ(sealed.size(), 25u);
  sealed.pop_back();
  EXPECT_EQ(Probe({"account", "decipher", sealed, key}).out, "abcd\n");
  EXPECT_EQ(Probe({"account", "repeat", "abc", "32"}).out, "abcabcabcabcabcabcabcabcabcabcab\n");
  EXPECT_EQ(Probe({"account", "frame", "3", "A中"}).out, "030000000400414e2d\n");
  EXPECT_EQ(Probe({"account", "unframe", "030000000400414e2d"}).out, "A中\n");
  EXPECT_EQ(Probe({"account", "unframe", "0300000003004100"}).code, kExitUsage);
  EXPECT_EQ(Probe({"account", "unframe", "03000000060041"}).code, kExitUsage);
  EXPECT_EQ(Probe({"account", "field", "CONTENT={RESULT={7}},RESULT={0}", "RESULT"}).out, "7\n");
  EXPECT_EQ(Probe({"account", "field", "RESULT={0}", "CONTENT"}).code, kExitAbsent);
  EXPECT_EQ(Probe({"account", "validate-login", "abc", "pass_1"}).out, "密码只能是数字、字母组合。\n");
  EXPECT_EQ(Probe({"account", "validate-login", "a_b", "pass1"}).out, "");
  EXPECT_EQ(Probe({"account", "validate-upload", std::string(21, 't'), "b"}).out,
            "标题长度不能超过20！\n");
}

TEST(ProbeNmea, TimeOnlyWhenUsable) {
  EXPECT_EQ(Probe({"nmea", "$GPRMC,123519.5,A,,,,,,,230394,,"}).out,
            "{\"fix\":true,\"rmc\":true,\"utc\":\"2094-03-23T12:35:19.500Z\"}\n");
  EXPECT_EQ(Probe({"nmea", "$GPRMC,1235,A,,,,,,,230394,,"}).out, "{\"fix\":false,\"rmc\":true}\n");
  EXPECT_EQ(Probe({"nmea", "$GPGGA,1"}).out, "{\"fix\":false,\"rmc\":false}\n");
}

}  // namespace
}  // namespace tarvo::probe
