#pragma once
// GPS sentences: reading NMEA lines from a byte source and taking the UTC
// time and fix status from "$GPRMC".
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/device/DeviceClock.h"

namespace tarvo {

inline constexpr size_t kMaxNmeaLine = 999;
// Reads in a row that give no byte before a line read gives up.
inline constexpr int kNmeaEmptyReadLimit = 100;

// A serial port as the GPS reader uses it.
class NmeaByteSource {
 public:
  virtual ~NmeaByteSource() = default;
  // One byte, or nullopt when none arrived within the port's read time-out.
  virtual std::optional<uint8_t> ReadByte() = 0;
  // Called after a read that gave no byte (the port pauses 1 ms).
  virtual void PauseAfterEmptyRead() {}
};

// One line: CR ends it, LF is dropped, every other byte is kept. It also
// ends at maxLength bytes, or early when stop is set. The line's length, or
// −1 after kNmeaEmptyReadLimit reads in a row without a byte.
int ReadNmeaLine(NmeaByteSource& source, std::string& line, size_t maxLength = kMaxNmeaLine,
                 const std::atomic<bool>* stop = nullptr);

// Field n is the text after the n-th comma; field 0 the text before the first.
std::vector<std::string> SplitNmeaFields(std::string_view line);

struct RmcReading {
  bool rmc = false;  // field 0 is exactly "$GPRMC"
  // The UTC time, when field 1 starts with six digits (hhmmss, optionally
  // followed by "." and a decimal fraction) and field 9 is exactly six
  // digits (ddmmyy, year 2000 + yy), all in range.
  std::optional<SystemTime> utc;
  bool fix = false;  // a usable time and status (field 2) exactly "A"
};

RmcReading ParseRmc(std::string_view line);

// "YYYY-MM-DDTHH:MM:SS.mmmZ".
std::string FormatIsoUtc(const SystemTime& utc);

}  // namespace tarvo
