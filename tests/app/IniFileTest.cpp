#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "app/IniFile.h"
#include "platform/device/PhoneFileSystem.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

constexpr char16_t kConfigComment[] = u";此文件用来保存Tarvo的一些配置信息，擅自删改将导致程序异常!";

class IniFileTest : public ::testing::Test {
 protected:
  WString Path(const std::string& name = "t.ini") { return FromUtf8(dir_.File(name)); }
  void Write(std::string_view bytes) { dir_.Write("t.ini", bytes); }
  std::string Bytes() { return dir_.Read("t.ini"); }
  WString Read(WStringView section, WStringView key, size_t capacity = 1025) {
    return ini_.ReadString(section, key, u"<default>", capacity, Path());
  }

  testing::TempDir dir_;
  HostFileAccess files_;
  IniFile ini_{files_};
};

constexpr int kKeysPerWriter = 50;

// Writes its keys one call at a time, each a read-modify-write of the file.
void WriteKeys(FileAccess& files, WStringView path, const std::string& writer) {
  IniFile ini(files);
  for (int i = 0; i < kKeysPerWriter; ++i) {
    ini.WriteInt(u"Keys", FromUtf8(writer + std::to_string(i)), i, path);
  }
}

int KeysFound(FileAccess& files, WStringView path, const std::string& writer) {
  IniFile ini(files);
  int found = 0;
  for (int i = 0; i < kKeysPerWriter; ++i) {
    found += ini.ReadInt(u"Keys", FromUtf8(writer + std::to_string(i)), -1, path) == i;
  }
  return found;
}

TEST_F(IniFileTest, TwoProcessesWritingOneFileLoseNoKeys) {
  int gate[2];
  ASSERT_EQ(pipe(gate), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(gate[1]);
    char go;
    if (read(gate[0], &go, 1) != 1) _exit(2);
    HostFileAccess files;
    WriteKeys(files, Path(), "child");
    _exit(0);
  }
  close(gate[0]);
  ASSERT_EQ(write(gate[1], "g", 1), 1);  // both start together
  close(gate[1]);
  WriteKeys(files_, Path(), "parent");
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(KeysFound(files_, Path(), "parent"), kKeysPerWriter);
  EXPECT_EQ(KeysFound(files_, Path(), "child"), kKeysPerWriter);
}

TEST_F(IniFileTest, TwoThreadsWithTheirOwnPhoneFileSystemsLoseNoKeys) {
  PhoneFileSystem first(dir_.Path()), second(dir_.Path());
  // The folder exists, as on the phone: two threads that each made it anew
  // could spell it differently and end up in two host folders.
  ASSERT_TRUE(first.CreateFolder(u"\\Windows"));
  std::thread other([&] { WriteKeys(second, u"\\Windows\\Tarvo.ini", "second"); });
  WriteKeys(first, u"\\windows\\tarvo.ini", "first");
  other.join();
  EXPECT_EQ(KeysFound(first, u"\\Windows\\Tarvo.ini", "first"), kKeysPerWriter);
  EXPECT_EQ(KeysFound(first, u"\\Windows\\Tarvo.ini", "second"), kKeysPerWriter);
}

TEST_F(IniFileTest, BlanksAroundTheEqualsSignAndTrailingSpaces) {
  const WString fixture = FromUtf8(TARVO_TEST_DATA_DIR "/ini/blanks_around_equals.ini");
  EXPECT_EQ(ini_.ReadInt(u"TemplateStyle", u"style", 0, fixture), 1);
  Write("[TemplateStyle]\nstyle=1   \n");
  EXPECT_EQ(Read(u"TemplateStyle", u"style"), u"1");
  Write("[S]\nkey=\n");
  EXPECT_EQ(Read(u"S", u"key"), u"");  // empty value, not the default
}

TEST_F(IniFileTest, KeysAreFoundOnlyInTheirOwnSection) {
  Write("top=0\n[A]\nother=1\n[B]\nstyle=2\n[A]\nstyle=3\n");
  EXPECT_EQ(Read(u"A", u"style"), u"<default>");  // the scan stops at [B]
  EXPECT_EQ(Read(u"B", u"style"), u"2");
  EXPECT_EQ(Read(u"", u"top"), u"<default>");   // lines before any header
  EXPECT_EQ(Read(u"a", u"other"), u"<default>");  // section names are exact
}

TEST_F(IniFileTest, KeyMatchingNeedsABlankOrEqualsAfterTheName) {
  Write("[S]\nstyle2=5\nstyle x=6\n;style=7\n\nstyle  =  8  \n");
  EXPECT_EQ(Read(u"S", u"style"), u"8");
  Write("[S]\n;style=7\n");
  EXPECT_EQ(Read(u"S", u"style"), u"<default>");  // a comment is never the key
}

TEST_F(IniFileTest, ReadIntFollowsPercentD) {
  Write("[S]\na=abc\nb=12abc\nc=-2147483648\nd=2147483648\ne=99999999999999999999\nf=\n");
  const WString path = Path();
  EXPECT_EQ(ini_.ReadInt(u"S", u"a", 7, path), 7);
  EXPECT_EQ(ini_.ReadInt(u"S", u"b", 7, path), 12);
  EXPECT_EQ(ini_.ReadInt(u"S", u"c", 7, path), -2147483647 - 1);
  EXPECT_EQ(ini_.ReadInt(u"S", u"d", 7, path), 7);  // out of range: the default
  EXPECT_EQ(ini_.ReadInt(u"S", u"e", 7, path), 7);
  EXPECT_EQ(ini_.ReadInt(u"S", u"f", 7, path), 7);
  EXPECT_EQ(ini_.ReadInt(u"S", u"missing", 7, path), 7);
}

TEST_F(IniFileTest, ValuesAreCutToTheCallersCapacity) {
  Write("[S]\nk=abcdef\n");
  EXPECT_EQ(Read(u"S", u"k", 4), u"abc");
  EXPECT_EQ(Read(u"S", u"k", 1), u"");
  EXPECT_EQ(Read(u"S", u"missing", 3), u"<d");  // the default is cut too
  WString buffer;
  EXPECT_EQ(ini_.ReadString(u"S", u"missing", nullptr, buffer, 10, Path()), 0u);
}

TEST_F(IniFileTest, MissingFilesGiveDefaultsAndWritingCreatesThem) {
  EXPECT_EQ(ini_.ReadInt(u"S", u"k", 5, Path("none.ini")), 5);
  ASSERT_EQ(ini_.WriteInt(u"TemplateStyle", u"style", 1, Path("new.ini")), 1);
  EXPECT_EQ(dir_.Read("new.ini"), "[TemplateStyle]\r\nstyle=1\r\n");
  EXPECT_EQ(ini_.WriteString(u"S", u"k", u"v", FromUtf8(dir_.Path())), 0);  // a folder
}

TEST_F(IniFileTest, NewKeysGoUnderTheirHeaderAndOldOnesKeepTheirPlace) {
  Write("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
  ASSERT_EQ(ini_.WriteString(u"A", u"y", u"20", Path()), 1);
  ASSERT_EQ(ini_.WriteString(u"B", u"w", u"4", Path()), 1);
  EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\ny=20\r\n[B]\r\nw=4\r\nz=3\r\n");
}

TEST_F(IniFileTest, ANewSectionFollowsAnEmptyLine) {
  Write("[A]\nx=1\n");
  ASSERT_EQ(ini_.WriteString(u"B", u"k", u"v", Path()), 1);
  EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
  Write("[A]\nx=1\n\n");
  ASSERT_EQ(ini_.WriteString(u"B", u"k", u"v", Path()), 1);
  EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");  // no second empty line
}

TEST_F(IniFileTest, TheConfigurationCommentLineIsKeptAsTheFirstLine) {
  const std::string comment = ToCodePage(kConfigComment);
  ASSERT_EQ(comment.size(), 59u);
  Write(comment);  // as created: no line end
  ASSERT_EQ(ini_.WriteInt(u"TemplateStyle", u"style", 1, Path()), 1);
  EXPECT_EQ(Bytes(), comment + "\r\n\r\n[TemplateStyle]\r\nstyle=1\r\n");
  EXPECT_EQ(ini_.ReadInt(u"TemplateStyle", u"style", 0, Path()), 1);
}

TEST_F(IniFileTest, LongLinesAndForeignBytesSurviveARewriteOfAnotherKey) {
  std::string longLine = "note=" + std::string(1020, 'x') + "[Trap]" + std::string(2000, 'y');
  const std::string invalid = "raw=\xFF\x80\xD6";  // not valid GBK, kept byte for byte
  Write("[A]\n" + longLine + "\n" + invalid + "\nk=1\n[Trap]\nk=trap\n");
  ASSERT_EQ(ini_.WriteString(u"A", u"k", u"2", Path()), 1);
  EXPECT_EQ(Bytes(), "[A]\r\n" + longLine + "\r\n" + invalid + "\r\nk=2\r\n[Trap]\r\nk=trap\r\n");
  EXPECT_EQ(Read(u"A", u"note", 4000).size(), 3026u);
  EXPECT_EQ(Read(u"A", u"note").size(), 1024u);  // a 1025-character buffer
  EXPECT_EQ(Read(u"Trap", u"k"), u"trap");
}

TEST_F(IniFileTest, GbkNamesAndValuesRoundTrip) {
  ASSERT_EQ(ini_.WriteString(u"浏览器", u"路径", u"\\Program Files\\优视\\UC.exe", Path()), 1);
  EXPECT_EQ(Bytes(), ToCodePage(u"[浏览器]\r\n路径=\\Program Files\\优视\\UC.exe\r\n"));
  EXPECT_EQ(Read(u"浏览器", u"路径"), u"\\Program Files\\优视\\UC.exe");
}

TEST_F(IniFileTest, TextsThatWouldBreakTheFileAreRefused) {
  Write("[A]\nk=1\n");
  const WString path = Path();
  EXPECT_EQ(ini_.WriteString(u"A", u"k", u"two\nlines", path), 0);
  EXPECT_EQ(ini_.WriteString(u"A", u"k\r", u"x", path), 0);
  EXPECT_EQ(ini_.WriteString(u"A]", u"k", u"x", path), 0);
  EXPECT_EQ(ini_.WriteString(u"A", u"k=j", u"x", path), 0);
  EXPECT_EQ(Bytes(), "[A]\nk=1\n");  // untouched
  EXPECT_EQ(ini_.WriteString(u"A", u"k", u"a=b]c", path), 1);
  EXPECT_EQ(Read(u"A", u"k"), u"a=b]c");
}

}  // namespace
}  // namespace tarvo
