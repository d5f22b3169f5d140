#pragma once
// The "Date" of an HTTP response as a UTC time. Takes the three forms HTTP
// allows: "Sun, 06 Nov 1994 08:49:37 GMT", "Sunday, 06-Nov-94 08:49:37 GMT"
// (two-digit years 70-99 are 19xx, 00-69 20xx) and "Sun Nov  6 08:49:37 1994".
// Every field must be in range (the seconds 0-60, a leap second kept as 59)
// and the weekday a real name; it need not match the date.
#include <optional>
#include <string_view>

#include "platform/device/DeviceClock.h"

namespace tarvo {

std::optional<SystemTime> ParseHttpDate(std::string_view text);

}  // namespace tarvo
