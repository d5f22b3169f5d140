#include "net/PhoneIdentity.h"

#include "platform/device/Telephony.h"
#include "platform/text/Utf8.h"

namespace tarvo {

std::optional<PhoneIdentity> GetPhoneIdentity(const DeviceProfile& profile) {
  auto line = Telephony(profile).ReadLineInfo();
  if (!line) return std::nullopt;
  return PhoneIdentity{IdentityValue(FromUtf8(line->serialNumber)),
                       IdentityValue(FromUtf8(line->subscriberNumber))};
}

}  // namespace tarvo
