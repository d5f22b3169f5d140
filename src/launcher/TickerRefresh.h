#pragma once
// One refresh of the ticker's server messages, on a worker: when the
// registry says one is due, the lead file and the list files of its first
// kept group are fetched into "temp\", parsed and the refresh time written.
// Nothing here touches the launcher: the result goes back to the UI thread.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "launcher/TickerLead.h"
#include "launcher/TickerMessages.h"
#include "platform/device/DeviceClock.h"
#include "platform/device/FileAccess.h"
#include "platform/device/Registry.h"
#include "platform/threads/StopToken.h"

namespace tarvo {

inline constexpr char16_t kTickerRegistryKey[] = u"proinfo\\TarvoScrollMsg";
inline constexpr char16_t kTickerLastUpdateValue[] = u"LastUpdateTime";
inline constexpr char16_t kTickerFrequencyValue[] = u"UpdateFrequency";
inline constexpr char16_t kTickerLeadName[] = u"TarvoMsgLead.txt";

struct TickerRefreshSetup {
  FileAccess* files = nullptr;
  Registry* registry = nullptr;
  std::string codePage = "GBK";
  WString tempFolder;     // the program folder + "temp\"
  WString contentServer;  // "http://host:port", no trailing "/"
  std::function<SystemTime()> nowUtc;
  // Fetches url into the file at path (file mode: whatever body came, any
  // status); a stopped fetch leaves no file.
  std::function<void(WStringView url, WStringView path, const StopToken& stop)> fetch;
};

struct TickerRefreshResult {
  TickerConfig config;
  // The new message list, when the lead asks for server messages and names a
  // kept group; otherwise the list stays as it is.
  std::optional<std::vector<TickerMessage>> messages;
};

// nullopt when no refresh was due, the lead did not come or was invalid (it
// is deleted then), or a stop was requested; the registry is written only
// for a refresh that completed.
std::optional<TickerRefreshResult> RefreshTicker(const TickerRefreshSetup& setup, const StopToken& stop);

}  // namespace tarvo
