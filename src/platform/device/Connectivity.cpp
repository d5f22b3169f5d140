#include "platform/device/Connectivity.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/device/HostFiles.h"

namespace tarvo {
namespace {

std::optional<uint32_t> ParseNumber(std::string text) {
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  unsigned long value = std::strtoul(text.c_str(), &end, 0);
  if (*end != '\0' || value > 0xFFFFFFFFul) return std::nullopt;
  return static_cast<uint32_t>(value);
}

}  // namespace

std::vector<ConnectionEntry> Connectivity::ParseEntries(std::string_view text) {
  std::vector<ConnectionEntry> entries;
  std::stringstream all{std::string(text)};
  for (std::string item; std::getline(all, item, ';');) {
    std::stringstream fields(item);
    std::string field;
    std::optional<uint32_t> values[3];
    int count = 0;
    while (std::getline(fields, field, ',') && count < 4) {
      if (count < 3) values[count] = ParseNumber(field);
      ++count;
    }
    if (count == 3 && values[0] && values[1] && values[2])
      entries.push_back({*values[0], *values[1], *values[2]});
  }
  return entries;
}

std::vector<ConnectionEntry> Connectivity::HostEntries() {
  auto routes = host::ReadFile("/proc/net/route");
  if (!routes) return {};
  std::istringstream lines(*routes);
  std::string line;
  std::getline(lines, line);  // the heading
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string iface, destination;
    fields >> iface >> destination;
    if (destination != "00000000") continue;
    const bool wireless = host::IsFolder("/sys/class/net/" + iface + "/wireless");
    if (wireless) return {{2, 2, kConnectionStatusConnected}};
    return {{7, 1, kConnectionStatusConnected}};
  }
  return {};
}

Connectivity::Connectivity(const DeviceProfile& profile)
    : automatic_(SameAsciiIgnoringCase(profile.GetOr("Connectivity", "Mode", "simulated"), "auto")),
      entries_(ParseEntries(profile.GetOr("Connectivity", "Status", ""))),
      dialResult_(ParseEntries(profile.GetOr("Connectivity", "DialResult", ""))),
      dialDelay_(std::max(0, profile.GetInt("Connectivity", "DialDelayMs", 300))) {}

Connectivity::~Connectivity() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return dialsInProgress_ == 0; });
}

std::vector<ConnectionEntry> Connectivity::DetailedStatus() const {
  if (automatic_) return HostEntries();
  std::lock_guard<std::mutex> guard(mutex_);
  return entries_;
}

void Connectivity::MergeEntries(std::vector<ConnectionEntry>& list,
                                const std::vector<ConnectionEntry>& added) {
  for (const ConnectionEntry& entry : added) {
    auto same = std::find_if(list.begin(), list.end(), [&](const ConnectionEntry& listed) {
      return listed.type == entry.type && listed.subtype == entry.subtype;
    });
    if (same != list.end()) {
      *same = entry;
    } else {
      list.push_back(entry);
    }
  }
}

uint32_t Connectivity::Dial() {
  std::this_thread::sleep_for(dialDelay_);  // the link takes a moment to come up
  uint32_t status = kConnectionStatusDisconnected;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    if (!dialResult_.empty()) {
      MergeEntries(entries_, dialResult_);
      status = kConnectionStatusConnected;
    }
  }
  Tell(status);
  return status;
}

void Connectivity::Tell(uint32_t status) {
  std::unique_lock<std::mutex> lock(mutex_);
  const auto listeners = listeners_;
  const auto self = std::this_thread::get_id();
  for (const auto& slot : listeners) {
    if (slot->removed) continue;
    slot->callers.push_back(self);
    lock.unlock();
    slot->listener(status);
    lock.lock();
    slot->callers.erase(std::find(slot->callers.begin(), slot->callers.end(), self));
    changed_.notify_all();
  }
}

uint32_t Connectivity::EstablishConnectionSync(ConnectionDestination,
                                               std::chrono::milliseconds timeout) {
  if (dialDelay_ > timeout) return kConnectionStatusWaitingConnection;
  return Dial();
}

void Connectivity::EstablishConnection(ConnectionDestination) {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    ++dialsInProgress_;
  }
  // The thread is let go; the destructor waits for the count to reach zero,
  // and the thread touches nothing of this object after counting itself out.
  std::thread([this] {
    Dial();
    std::lock_guard<std::mutex> guard(mutex_);
    --dialsInProgress_;
    changed_.notify_all();
  }).detach();
}

int Connectivity::DialsInProgress() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return dialsInProgress_;
}

int Connectivity::AddStatusListener(Listener listener) {
  std::lock_guard<std::mutex> guard(mutex_);
  auto slot = std::make_shared<ListenerSlot>();
  slot->id = nextListener_++;
  slot->listener = std::move(listener);
  listeners_.push_back(std::move(slot));
  return listeners_.back()->id;
}

void Connectivity::RemoveStatusListener(int id) {
  std::unique_lock<std::mutex> lock(mutex_);
  auto found = std::find_if(listeners_.begin(), listeners_.end(),
                            [id](const auto& slot) { return slot->id == id; });
  if (found == listeners_.end()) return;
  const std::shared_ptr<ListenerSlot> slot = *found;
  slot->removed = true;
  listeners_.erase(found);
  // Calls on other threads end first; one on this thread is the listener
  // removing itself and goes on once this returns.
  const auto self = std::this_thread::get_id();
  changed_.wait(lock, [&] {
    return std::all_of(slot->callers.begin(), slot->callers.end(),
                       [&](std::thread::id caller) { return caller == self; });
  });
}

}  // namespace tarvo
