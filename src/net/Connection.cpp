#include "net/Connection.h"

namespace tarvo {
namespace {

struct KnownConnection {
  uint32_t type;
  uint32_t subtype;
  std::string_view name;
};

constexpr KnownConnection kKnownConnections[] = {
    {2, 2, "WIFI"}, {1, 2, "GPRS"}, {1, 3, "1XRTT"}, {1, 4, "1XEVDO"}, {1, 6, "EDGE"},
    {1, 8, "VOICE"}, {6, 2, "HTTP"}, {6, 3, "WAP"}, {7, 1, "ACTIVESYNC"},
};

constexpr std::chrono::milliseconds kDialTimeout{30000};

}  // namespace

std::optional<std::string_view> ConnectionTypeName(const std::vector<ConnectionEntry>& entries) {
  std::optional<std::string_view> name;
  for (const ConnectionEntry& entry : entries) {
    if (entry.status != kConnectionStatusConnected) continue;
    for (const KnownConnection& known : kKnownConnections) {
      if (known.type == entry.type && known.subtype == entry.subtype) name = known.name;
    }
  }
  return name;
}

std::optional<std::string_view> GetConnectionType(const Connectivity& connectivity) {
  return ConnectionTypeName(connectivity.DetailedStatus());
}

bool EnsureConnected(Connectivity& connectivity, UserPrompts& prompts) {
  auto name = GetConnectionType(connectivity);
  if (name && *name != kVoiceConnection) return true;
  if (!prompts.AskYesNo(u"Tarvo", kAskDialText)) return false;
  if (connectivity.EstablishConnectionSync(ConnectionDestination::Internet, kDialTimeout) !=
      kConnectionStatusConnected)
    prompts.Tell(u"Tarvo", kDialFailedText);
  return false;
}

void RequestConnection(Connectivity& connectivity, ConnectionDestination destination) {
  connectivity.EstablishConnection(destination);
}

}  // namespace tarvo
