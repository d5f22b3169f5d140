#include "platform/device/Telephony.h"

namespace tarvo {
namespace {

std::string LineValue(const DeviceProfile& profile, std::string_view key) {
  auto value = profile.Get("Telephony", key);
  if (!value || value->empty()) return kTelephonyUnavailable;
  if (value->size() > kTelephonyValueLimit) value->resize(kTelephonyValueLimit);
  return *value;
}

}  // namespace

std::optional<LineInfo> Telephony::ReadLineInfo() const {
  if (!profile_.HasSection("Telephony")) return std::nullopt;
  return LineInfo{LineValue(profile_, "SerialNumber"), LineValue(profile_, "SubscriberNumber")};
}

}  // namespace tarvo
