#pragma once
// The phone's cellular line as the profile's [Telephony] section describes
// it. Without that section the line cannot be opened.
#include <optional>
#include <string>

#include "platform/device/DeviceProfile.h"

namespace tarvo {

// What the line reports for a value it does not have.
inline constexpr char kTelephonyUnavailable[] = "Unavailable";
// The line gives each value as narrow text of at most this many characters.
inline constexpr size_t kTelephonyValueLimit = 128;

struct LineInfo {
  std::string serialNumber;
  std::string subscriberNumber;
};

class Telephony {
 public:
  explicit Telephony(const DeviceProfile& profile) : profile_(profile) {}
  // The line's general information; nullopt when the line cannot be opened.
  std::optional<LineInfo> ReadLineInfo() const;

 private:
  const DeviceProfile& profile_;
};

}  // namespace tarvo
