#pragma once
// Naming the current connection and making sure one is up before network work.
#include <optional>
#include <string_view>
#include <vector>

#include "net/UserPrompts.h"
#include "platform/device/Connectivity.h"

namespace tarvo {

inline constexpr std::string_view kVoiceConnection = "VOICE";
inline constexpr char16_t kConnectionStatusMessage[] = u"CONNMGR_STATUS_CHANGE_NOTIFICATION_MSG";
inline constexpr char16_t kAskDialText[] =
    u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？";
inline constexpr char16_t kDialFailedText[] = u"拨号失败！";

// The name of the last connected entry whose (type, subtype) is known:
// "WIFI", "GPRS", "1XRTT", "1XEVDO", "EDGE", "VOICE", "HTTP", "WAP",
// "ACTIVESYNC"; nullopt when there is none.
std::optional<std::string_view> ConnectionTypeName(const std::vector<ConnectionEntry>& entries);
std::optional<std::string_view> GetConnectionType(const Connectivity& connectivity);

// True when a usable (non-voice) connection is up. Otherwise asks whether to
// dial and dials on Yes ("拨号失败！" when that fails); false in every such case.
bool EnsureConnected(Connectivity& connectivity, UserPrompts& prompts);

// Asks the connection manager to bring up a connection, without waiting.
void RequestConnection(Connectivity& connectivity, ConnectionDestination destination);

}  // namespace tarvo
