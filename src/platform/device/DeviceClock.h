#pragma once
// The phone clock: the host clock plus an offset kept in the device
// directory. Setting the phone's time changes only that offset.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace tarvo {

// The phone's calendar time, as its system calls take it.
struct SystemTime {
  int year = 1970;
  int month = 1;      // 1..12
  int dayOfWeek = 4;  // 0 Sunday .. 6 Saturday
  int day = 1;        // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int milliseconds = 0;
};

SystemTime SystemTimeFromEpochMs(int64_t epochMs);
// nullopt for a date or time out of range (the day of week is not checked).
std::optional<int64_t> EpochMsFromSystemTime(const SystemTime& time);

class DeviceClock {
 public:
  // offsetFile keeps the offset in milliseconds; zoneMinutes east of UTC.
  DeviceClock(std::string offsetFile, int zoneMinutes);

  int64_t NowUtcMs() const;
  SystemTime GetSystemTime() const;  // UTC
  SystemTime GetLocalTime() const;
  bool SetSystemTime(const SystemTime& utc);
  bool SetLocalTime(const SystemTime& local);
  int64_t OffsetMs() const;
  int ZoneMinutes() const { return zoneMinutes_; }

 private:
  bool SetUtcMs(int64_t utcMs);

  std::string offsetFile_;
  int zoneMinutes_;
  mutable std::mutex mutex_;
  int64_t offsetMs_ = 0;
};

}  // namespace tarvo
