#pragma once
// The program's own version, major.minor: shown by the launcher and by
// `tarvo --version`, compared by the update check, announced to the account
// server.
namespace tarvo {

inline constexpr char16_t kAppVersion[] = u"1.15";

}  // namespace tarvo
