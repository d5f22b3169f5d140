#include "launcher/TickerSchedule.h"

#include <cstdlib>

#include "platform/text/Format.h"

namespace tarvo {
namespace {

constexpr char16_t kTimeFormat[] = u"%04d-%02d-%02d  %02d:%02d:%02d";

std::optional<int> Digits(WStringView text, size_t at, size_t count) {
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    value = value * 10 + (text[i] - u'0');
  }
  return value;
}

}  // namespace

WString FormatTickerTime(const SystemTime& utc) {
  return Format(kTimeFormat, utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
}

std::optional<SystemTime> ParseTickerTime(WStringView text) {
  if (text.size() != kTickerTimeLength) return std::nullopt;
  if (text[4] != u'-' || text[7] != u'-' || text[10] != u' ' || text[11] != u' ' ||
      text[14] != u':' || text[17] != u':') {
    return std::nullopt;
  }
  auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  auto hour = Digits(text, 12, 2), minute = Digits(text, 15, 2), second = Digits(text, 18, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  SystemTime time;
  time.year = *year;
  time.month = *month;
  time.day = *day;
  time.hour = *hour;
  time.minute = *minute;
  time.second = *second;
  if (!EpochMsFromSystemTime(time)) return std::nullopt;
  return time;
}

bool IsTickerRefreshDue(std::optional<WStringView> lastUpdateTime,
                        std::optional<int64_t> frequencyMinutes, const SystemTime& nowUtc) {
  if (!lastUpdateTime || !frequencyMinutes || *frequencyMinutes == 0) return true;
  auto last = ParseTickerTime(*lastUpdateTime);
  if (!last) return true;
  auto lastMs = EpochMsFromSystemTime(*last);
  auto nowMs = EpochMsFromSystemTime(nowUtc);
  if (!lastMs || !nowMs) return true;
  int64_t minutes = std::llabs(*nowMs - *lastMs) / 60000;
  return minutes >= *frequencyMinutes;
}

}  // namespace tarvo
