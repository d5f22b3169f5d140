#pragma once
// When the ticker's server messages are due for a refresh: the registry keeps
// the last refresh time (UTC) as "%04d-%02d-%02d  %02d:%02d:%02d" and the
// interval in minutes.
#include <cstdint>
#include <optional>

#include "platform/device/DeviceClock.h"
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr size_t kTickerTimeLength = 20;

WString FormatTickerTime(const SystemTime& utc);
// The time of a stored value of exactly 20 characters in that form, with
// every field in range; nullopt otherwise.
std::optional<SystemTime> ParseTickerTime(WStringView text);

// True when a download is due: unless the stored time and interval are both
// present and not 0, the time parses, and now lies less than `frequency`
// whole minutes from it (either way).
bool IsTickerRefreshDue(std::optional<WStringView> lastUpdateTime,
                        std::optional<int64_t> frequencyMinutes, const SystemTime& nowUtc);

}  // namespace tarvo
