#pragma once
// The identity values the hello carries, from the phone's cellular line.
#include <optional>

#include "net/Fields.h"
#include "platform/device/DeviceProfile.h"

namespace tarvo {

// "SIMID" the line's serial number, "CELLID" its subscriber number, each
// empty when shorter than kMinIdentityLength; nullopt when the line cannot
// be opened.
std::optional<PhoneIdentity> GetPhoneIdentity(const DeviceProfile& profile);

}  // namespace tarvo
