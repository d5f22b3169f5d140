#pragma once
// The phone's connection manager: the detailed status list (type, subtype,
// status per connection, in order), dial-ups and status-change listeners.
// In the profile's "simulated" mode the list comes from [Connectivity]; in
// "auto" mode it is derived from the host's default route.
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/device/DeviceProfile.h"

namespace tarvo {

inline constexpr uint32_t kConnectionStatusConnected = 0x10;
inline constexpr uint32_t kConnectionStatusDisconnected = 0x20;
inline constexpr uint32_t kConnectionStatusWaitingConnection = 0x40;

struct ConnectionEntry {
  uint32_t type = 0;
  uint32_t subtype = 0;
  uint32_t status = 0;
};

enum class ConnectionDestination { Internet, Wap };

class Connectivity {
 public:
  using Listener = std::function<void(uint32_t status)>;

  explicit Connectivity(const DeviceProfile& profile);
  ~Connectivity();
  Connectivity(const Connectivity&) = delete;
  Connectivity& operator=(const Connectivity&) = delete;

  std::vector<ConnectionEntry> DetailedStatus() const;
  // Brings up the profile's dial result; waits at most timeout and returns
  // the status reached (connected, or another status on failure).
  uint32_t EstablishConnectionSync(ConnectionDestination destination,
                                   std::chrono::milliseconds timeout);
  // The same without waiting for the outcome.
  void EstablishConnection(ConnectionDestination destination);
  // Listeners hear every status change (from the dialling thread); the id
  // given back removes the listener again.
  int AddStatusListener(Listener listener);
  void RemoveStatusListener(int id);

  // "type,subtype,status" entries separated by ";" (numbers decimal or 0x hex).
  static std::vector<ConnectionEntry> ParseEntries(std::string_view text);
  // The entry the host's default route gives: Wi-Fi over a wireless interface,
  // the desktop pass-through over another; none without a default route.
  static std::vector<ConnectionEntry> HostEntries();

 private:
  uint32_t Dial();

  bool automatic_;
  std::vector<ConnectionEntry> entries_;
  std::vector<ConnectionEntry> dialResult_;  // empty: dialling fails
  std::chrono::milliseconds dialDelay_;
  mutable std::mutex mutex_;
  std::vector<std::pair<int, Listener>> listeners_;
  int nextListener_ = 1;
  std::vector<std::thread> dialers_;
};

}  // namespace tarvo
