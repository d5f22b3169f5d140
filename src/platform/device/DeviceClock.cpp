#include "platform/device/DeviceClock.h"

#include <chrono>
#include <cstdlib>

#include "platform/device/HostFiles.h"

namespace tarvo {
namespace {

int64_t HostNowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

SystemTime SystemTimeFromEpochMs(int64_t epochMs) {
  using namespace std::chrono;
  const int64_t days = FloorDiv(epochMs, 86400000);
  const int64_t msOfDay = epochMs - days * 86400000;
  const sys_days date{std::chrono::days(days)};
  const year_month_day ymd{date};
  SystemTime t;
  t.year = static_cast<int>(ymd.year());
  t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  t.dayOfWeek = static_cast<int>(weekday(date).c_encoding());
  t.hour = static_cast<int>(msOfDay / 3600000);
  t.minute = static_cast<int>(msOfDay / 60000 % 60);
  t.second = static_cast<int>(msOfDay / 1000 % 60);
  t.milliseconds = static_cast<int>(msOfDay % 1000);
  return t;
}

std::optional<int64_t> EpochMsFromSystemTime(const SystemTime& t) {
  using namespace std::chrono;
  if (t.year < 1601 || t.year > 30827 || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
      t.minute > 59 || t.second < 0 || t.second > 59 || t.milliseconds < 0 ||
      t.milliseconds > 999 || t.month < 1 || t.month > 12 || t.day < 1)
    return std::nullopt;
  const year_month_day ymd{year(t.year), month(static_cast<unsigned>(t.month)),
                           day(static_cast<unsigned>(t.day))};
  if (!ymd.ok()) return std::nullopt;
  const int64_t days = sys_days(ymd).time_since_epoch().count();
  return days * 86400000 + t.hour * 3600000LL + t.minute * 60000LL + t.second * 1000LL +
         t.milliseconds;
}

DeviceClock::DeviceClock(std::string offsetFile, int zoneMinutes)
    : offsetFile_(std::move(offsetFile)), zoneMinutes_(zoneMinutes) {
  if (auto text = host::ReadFile(offsetFile_)) offsetMs_ = std::strtoll(text->c_str(), nullptr, 10);
}

int64_t DeviceClock::OffsetMs() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return offsetMs_;
}

int64_t DeviceClock::NowUtcMs() const { return HostNowMs() + OffsetMs(); }

SystemTime DeviceClock::GetSystemTime() const { return SystemTimeFromEpochMs(NowUtcMs()); }

SystemTime DeviceClock::GetLocalTime() const {
  return SystemTimeFromEpochMs(NowUtcMs() + zoneMinutes_ * 60000LL);
}

bool DeviceClock::SetUtcMs(int64_t utcMs) {
  std::lock_guard<std::mutex> guard(mutex_);
  const int64_t offset = utcMs - HostNowMs();
  if (!host::WriteFileAtomically(offsetFile_, std::to_string(offset) + "\n")) return false;
  offsetMs_ = offset;
  return true;
}

bool DeviceClock::SetSystemTime(const SystemTime& utc) {
  auto ms = EpochMsFromSystemTime(utc);
  return ms && SetUtcMs(*ms);
}

bool DeviceClock::SetLocalTime(const SystemTime& local) {
  auto ms = EpochMsFromSystemTime(local);
  return ms && SetUtcMs(*ms - zoneMinutes_ * 60000LL);
}

}  // namespace tarvo
