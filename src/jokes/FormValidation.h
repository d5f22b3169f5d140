#pragma once
// The checks of the login and upload forms: the message the form shows for
// the first rule that fails, or nothing.
#include <optional>

#include "platform/text/WString.h"

namespace tarvo {

inline constexpr size_t kMaxUserNameLength = 12;
inline constexpr size_t kMaxPasswordLength = 12;
inline constexpr size_t kMaxJokeTitleLength = 20;
inline constexpr size_t kMaxJokeBodyLength = 1000;

std::optional<WString> ValidateLogin(WStringView name, WStringView password);
std::optional<WString> ValidateUpload(WStringView title, WStringView body);

}  // namespace tarvo
