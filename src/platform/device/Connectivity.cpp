#include "platform/device/Connectivity.h"

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
  for (auto& dialer : dialers_) dialer.join();
}

std::vector<ConnectionEntry> Connectivity::DetailedStatus() const {
  if (automatic_) return HostEntries();
  std::lock_guard<std::mutex> guard(mutex_);
  return entries_;
}

uint32_t Connectivity::Dial() {
  std::this_thread::sleep_for(dialDelay_);  // the link takes a moment to come up
  uint32_t status = kConnectionStatusDisconnected;
  // Listeners are told under the lock, so one that was removed is never called.
  std::lock_guard<std::mutex> guard(mutex_);
  if (!dialResult_.empty()) {
    entries_.insert(entries_.end(), dialResult_.begin(), dialResult_.end());
    status = kConnectionStatusConnected;
  }
  for (const auto& listener : listeners_) listener.second(status);
  return status;
}

uint32_t Connectivity::EstablishConnectionSync(ConnectionDestination,
                                               std::chrono::milliseconds timeout) {
  if (dialDelay_ > timeout) return kConnectionStatusWaitingConnection;
  return Dial();
}

void Connectivity::EstablishConnection(ConnectionDestination) {
  std::lock_guard<std::mutex> guard(mutex_);
  dialers_.emplace_back([this] { Dial(); });
}

int Connectivity::AddStatusListener(Listener listener) {
  std::lock_guard<std::mutex> guard(mutex_);
  listeners_.emplace_back(nextListener_, std::move(listener));
  return nextListener_++;
}

void Connectivity::RemoveStatusListener(int id) {
  std::lock_guard<std::mutex> guard(mutex_);
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

}  // namespace tarvo
