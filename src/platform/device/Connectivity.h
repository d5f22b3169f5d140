#pragma once
// The phone's connection manager: the detailed status list (type, subtype,
// status per connection, in order), dial-ups and status-change listeners.
// In the profile's "simulated" mode the list comes from [Connectivity]; in
// "auto" mode it is derived from the host's default route.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
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
  bool operator==(const ConnectionEntry&) const = default;
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
  // Listeners hear every status change (from the dialling thread, with no
  // lock of this object held, so they may call it); the id given back
  // removes the listener again. Removal waits for a call of the listener in
  // progress on another thread; once it returns the listener is never called
  // again. A listener may remove itself.
  int AddStatusListener(Listener listener);
  void RemoveStatusListener(int id);
  // Dial-ups started by EstablishConnection that have not ended yet.
  int DialsInProgress() const;

  // "type,subtype,status" entries separated by ";" (numbers decimal or 0x hex).
  static std::vector<ConnectionEntry> ParseEntries(std::string_view text);
  // Adds the entries to the list; an entry for a type and subtype already
  // listed takes that entry's place.
  static void MergeEntries(std::vector<ConnectionEntry>& list,
                           const std::vector<ConnectionEntry>& added);
  // The entry the host's default route gives: Wi-Fi over a wireless interface,
  // the desktop pass-through over another; none without a default route.
  static std::vector<ConnectionEntry> HostEntries();

 private:
  struct ListenerSlot {
    int id = 0;
    Listener listener;
    bool removed = false;
    std::vector<std::thread::id> callers;  // threads calling it right now
  };

  uint32_t Dial();
  void Tell(uint32_t status);

  bool automatic_;
  std::vector<ConnectionEntry> entries_;
  std::vector<ConnectionEntry> dialResult_;  // empty: dialling fails
  std::chrono::milliseconds dialDelay_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;  // a listener call or a dial-up ended
  std::vector<std::shared_ptr<ListenerSlot>> listeners_;
  int nextListener_ = 1;
  int dialsInProgress_ = 0;
};

}  // namespace tarvo
