#include "timesync/Nmea.h"

#include <cstdio>

namespace tarvo {
namespace {

constexpr char kRmcTalker[] = "$GPRMC";
constexpr char kFixValid[] = "A";
constexpr size_t kTimeField = 1;
constexpr size_t kStatusField = 2;
constexpr size_t kDateField = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> TwoDigits(std::string_view text, size_t at) {
  if (at + 2 > text.size() || !IsDigit(text[at]) || !IsDigit(text[at + 1])) return std::nullopt;
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// Milliseconds of ".fff...": the fraction read as a decimal fraction; 0 when
// there is none.
int FractionMilliseconds(std::string_view rest) {
  if (rest.empty() || rest[0] != '.') return 0;
  int ms = 0;
  int scale = 100;
  for (size_t i = 1; i < rest.size() && IsDigit(rest[i]) && scale > 0; ++i, scale /= 10) {
    ms += (rest[i] - '0') * scale;
  }
  return ms;
}

std::optional<SystemTime> RmcTime(std::string_view time, std::string_view date) {
  if (date.size() != 6) return std::nullopt;
  auto hour = TwoDigits(time, 0), minute = TwoDigits(time, 2), second = TwoDigits(time, 4);
  auto day = TwoDigits(date, 0), month = TwoDigits(date, 2), year = TwoDigits(date, 4);
  if (!hour || !minute || !second || !day || !month || !year) return std::nullopt;
  SystemTime utc;
  utc.year = 2000 + *year;
  utc.month = *month;
  utc.day = *day;
  utc.hour = *hour;
  utc.minute = *minute;
  utc.second = *second;
  utc.milliseconds = FractionMilliseconds(time.substr(6));
  auto epoch = EpochMsFromSystemTime(utc);
  if (!epoch) return std::nullopt;
  return SystemTimeFromEpochMs(*epoch);  // fills the day of the week
}

}  // namespace

int ReadNmeaLine(NmeaByteSource& source, std::string& line, size_t maxLength,
                 const std::atomic<bool>* stop) {
  line.clear();
  int emptyReads = 0;
  while (line.size() < maxLength) {
    if (stop != nullptr && stop->load()) break;
    std::optional<uint8_t> byte = source.ReadByte();
    if (!byte) {
      if (++emptyReads >= kNmeaEmptyReadLimit) return -1;
      source.PauseAfterEmptyRead();
      continue;
    }
    emptyReads = 0;
    if (*byte == '\r') break;
    if (*byte == '\n') continue;
    line += static_cast<char>(*byte);
  }
  return static_cast<int>(line.size());
}

std::vector<std::string> SplitNmeaFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    size_t comma = line.find(',', start);
    fields.emplace_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return fields;
}

RmcReading ParseRmc(std::string_view line) {
  RmcReading reading;
  std::vector<std::string> fields = SplitNmeaFields(line);
  reading.rmc = fields[0] == kRmcTalker;
  if (!reading.rmc || fields.size() <= kDateField) return reading;
  reading.utc = RmcTime(fields[kTimeField], fields[kDateField]);
  reading.fix = reading.utc.has_value() && fields[kStatusField] == kFixValid;
  return reading;
}

std::string FormatIsoUtc(const SystemTime& utc) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.year, utc.month,
                utc.day, utc.hour, utc.minute, utc.second, utc.milliseconds);
  return text;
}

}  // namespace tarvo
