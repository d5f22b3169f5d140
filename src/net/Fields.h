#pragma once
// The KEY={value} texts of the account protocol.
#include <optional>

#include "app/AppVersion.h"
#include "platform/text/WString.h"

namespace tarvo {

// The program version the hello announces.
inline constexpr const auto& kProtocolVersion = kAppVersion;
// Telephony values shorter than this are not sent.
inline constexpr size_t kMinIdentityLength = 15;

struct PhoneIdentity {
  WString simId;   // the line's serial number
  WString cellId;  // the line's subscriber number
};

// The value as the hello carries it: empty when shorter than kMinIdentityLength.
WString IdentityValue(WStringView raw);

WString BuildHello(WStringView userName, const PhoneIdentity& identity, WStringView phoneModel);
WString BuildLogin(WStringView userName, WStringView encipheredPassword);
WString BuildUpload(WStringView title, WStringView category, WStringView body,
                    WStringView userName);

// The text between the first "={" and the first "}" after the first
// occurrence of key anywhere in text (inside another value too). nullopt when
// text or key is empty or the key is absent; empty when "={" or "}" is missing.
std::optional<WString> GetField(WStringView text, WStringView key);
// The field as a decimal number (optional sign, digits); nullopt when the
// field is absent, is not a number or leaves the 32-bit range.
std::optional<int> GetIntField(WStringView text, WStringView key);

}  // namespace tarvo
