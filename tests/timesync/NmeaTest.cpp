#include "timesync/Nmea.h"

#include <gtest/gtest.h>

#include <deque>

namespace tarvo {
namespace {

constexpr char kExample[] =
    "$GPRMC,123519.000,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

std::string WithDate(const std::string& time, const std::string& status, const std::string& date) {
  return "$GPRMC," + time + "," + status + ",4807.038,N,01131.000,E,022.4,084.4," + date + ",,";
}

TEST(RmcSentence, ExampleGivesTimeAndFix) {
  RmcReading reading = ParseRmc(kExample);
  EXPECT_TRUE(reading.rmc);
  ASSERT_TRUE(reading.utc.has_value());
  EXPECT_EQ(FormatIsoUtc(*reading.utc), "2094-03-23T12:35:19.000Z");
  EXPECT_TRUE(reading.fix);
}

TEST(RmcSentence, StatusVGivesTimeWithoutFix) {
  RmcReading reading = ParseRmc(WithDate("123519.000", "V", "230394"));
  ASSERT_TRUE(reading.utc.has_value());
  EXPECT_FALSE(reading.fix);
  EXPECT_FALSE(ParseRmc(WithDate("123519", "A ", "230394")).fix);
}

TEST(RmcSentence, OtherTalkersAreIgnored) {
  RmcReading reading = ParseRmc("$GNRMC,123519.000,A,4807.038,N,01131.000,E,022.4,084.4,230394,,");
  EXPECT_FALSE(reading.rmc);
  EXPECT_FALSE(reading.utc.has_value());
  EXPECT_FALSE(ParseRmc("$GPGGA,123519,4807.038,N").rmc);
}

TEST(RmcSentence, FractionIsADecimalFraction) {
  auto ms = [](const std::string& time) {
    auto utc = ParseRmc(WithDate(time, "A", "230394")).utc;
    return utc ? utc->milliseconds : -1;
  };
  EXPECT_EQ(ms("123519"), 0);
  EXPECT_EQ(ms("123519.5"), 500);
  EXPECT_EQ(ms("123519.05"), 50);
  EXPECT_EQ(ms("123519.123456"), 123);
  EXPECT_EQ(ms("123519."), 0);
}

TEST(RmcSentence, ShortOrMalformedFieldsGiveNoTime) {
  for (const auto& [time, date] : std::vector<std::pair<std::string, std::string>>{
           {"12351", "230394"}, {"", "230394"}, {"12a519", "230394"}, {"123519", "23039"},
           {"123519", "2303940"}, {"123519", ""}, {"123519", "23-394"}}) {
    RmcReading reading = ParseRmc(WithDate(time, "A", date));
    EXPECT_TRUE(reading.rmc);
    EXPECT_FALSE(reading.utc.has_value()) << time << " " << date;
    EXPECT_FALSE(reading.fix);
  }
  EXPECT_FALSE(ParseRmc("$GPRMC,123519,A").utc.has_value());
  EXPECT_FALSE(ParseRmc("$GPRMC").utc.has_value());
}

TEST(RmcSentence, ValuesOutOfRangeGiveNoTime) {
  for (const auto& [time, date] : std::vector<std::pair<std::string, std::string>>{
           {"243519", "230394"}, {"126019", "230394"}, {"123560", "230394"},
           {"123519", "320394"}, {"123519", "231394"}, {"123519", "300294"},
           {"123519", "000394"}, {"123519", "230094"}}) {
    EXPECT_FALSE(ParseRmc(WithDate(time, "A", date)).utc.has_value()) << time << " " << date;
  }
  EXPECT_TRUE(ParseRmc(WithDate("235959.999", "A", "290200")).utc.has_value());  // leap day
}

TEST(NmeaFields, SplitAtEveryComma) {
  EXPECT_EQ(SplitNmeaFields("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(SplitNmeaFields(""), (std::vector<std::string>{""}));
}

class ScriptedSource : public NmeaByteSource {
 public:
  // Each entry is a byte, or -1 for a read that gives none.
  explicit ScriptedSource(std::vector<int> script) : script_(script.begin(), script.end()) {}
  static ScriptedSource Of(const std::string& bytes) {
    std::vector<int> script;
    for (char c : bytes) script.push_back(static_cast<uint8_t>(c));
    return ScriptedSource(script);
  }
  std::optional<uint8_t> ReadByte() override {
    if (script_.empty() || script_.front() < 0) {
      if (!script_.empty()) script_.pop_front();
      ++emptyReads_;
      return std::nullopt;
    }
    int value = script_.front();
    script_.pop_front();
    return static_cast<uint8_t>(value);
  }
  void PauseAfterEmptyRead() override { ++pauses_; }
  int emptyReads_ = 0;
  int pauses_ = 0;

 private:
  std::deque<int> script_;
};

TEST(NmeaLine, CrEndsTheLineAndLfIsDropped) {
  ScriptedSource source = ScriptedSource::Of("\n$GP,1\r\n$GP,2\r");
  std::string line;
  EXPECT_EQ(ReadNmeaLine(source, line), 5);
  EXPECT_EQ(line, "$GP,1");
  EXPECT_EQ(ReadNmeaLine(source, line), 5);
  EXPECT_EQ(line, "$GP,2");
}

TEST(NmeaLine, EndsAtTheMaximumLength) {
  ScriptedSource source = ScriptedSource::Of("abcdefgh\r");
  std::string line;
  EXPECT_EQ(ReadNmeaLine(source, line, 5), 5);
  EXPECT_EQ(line, "abcde");
  EXPECT_EQ(ReadNmeaLine(source, line, 5), 3);
}

TEST(NmeaLine, HundredEmptyReadsInARowTimeOut) {
  ScriptedSource source({});
  std::string line;
  EXPECT_EQ(ReadNmeaLine(source, line), -1);
  EXPECT_EQ(source.emptyReads_, kNmeaEmptyReadLimit);
  EXPECT_EQ(source.pauses_, kNmeaEmptyReadLimit - 1);
}

TEST(NmeaLine, AByteResetsTheEmptyReadCount) {
  std::vector<int> script(99, -1);
  script.push_back('x');
  script.insert(script.end(), 99, -1);
  script.push_back('\r');
  ScriptedSource source(script);
  std::string line;
  EXPECT_EQ(ReadNmeaLine(source, line), 1);
  EXPECT_EQ(line, "x");
}

TEST(NmeaLine, StopFlagEndsTheRead) {
  ScriptedSource source({});
  std::atomic<bool> stop{true};
  std::string line = "old";
  EXPECT_EQ(ReadNmeaLine(source, line, kMaxNmeaLine, &stop), 0);
  EXPECT_EQ(source.emptyReads_, 0);
}

}  // namespace
}  // namespace tarvo
