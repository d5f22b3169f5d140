#pragma once
// The device profile (device.ini, UTF-8): what the phone is and where the
// outside servers are. Sections and keys are matched without regard to case;
// lines starting with ';' or '#' are comments. docs/device.md lists the keys.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvo {

class DeviceProfile {
 public:
  using Entries = std::vector<std::pair<std::string, std::string>>;
  static constexpr int kDefaultNetworkTimeoutMs = 30000;
  static constexpr int kDefaultAccountTimeoutMs = 30000;

  static DeviceProfile Parse(std::string_view utf8);

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  std::string GetOr(std::string_view section, std::string_view key, std::string fallback) const;
  int GetInt(std::string_view section, std::string_view key, int fallback) const;
  // Every key of a section in file order.
  Entries SectionEntries(std::string_view section) const;

  int ScreenWidth() const { return GetInt("Screen", "Width", 240); }
  int ScreenHeight() const { return GetInt("Screen", "Height", 320); }
  std::string CodePage() const { return GetOr("Device", "CodePage", "GBK"); }
  int TimeZoneMinutes() const { return GetInt("Device", "TimeZoneMinutes", 480); }
  // Base URL (scheme, host, port) of an outside server by its key in
  // [Servers], e.g. "ContentServer"; empty when not configured.
  std::string Server(std::string_view name) const { return GetOr("Servers", name, ""); }
  // Comma-separated lists in [Servers].
  std::vector<std::string> HotVideoChannels() const { return List("Servers", "HotVideoChannels"); }
  std::vector<std::string> TimeServers() const { return List("Servers", "TimeServers"); }
  // [Network] TimeoutMs: how long every step of a fetch may wait; 30000
  // when missing, not a number or not positive.
  int NetworkTimeoutMs() const {
    const int value = GetInt("Network", "TimeoutMs", kDefaultNetworkTimeoutMs);
    return value > 0 ? value : kDefaultNetworkTimeoutMs;
  }
  // [Servers] AccountTimeoutMs: how long every step of an account exchange
  // (connect, send, each wait for a reply) may wait; 30000 when missing, not
  // a number or not positive.
  int AccountTimeoutMs() const {
    const int value = GetInt("Servers", "AccountTimeoutMs", kDefaultAccountTimeoutMs);
    return value > 0 ? value : kDefaultAccountTimeoutMs;
  }
  bool HasSection(std::string_view section) const;
  std::string TelephonySerialNumber() const { return GetOr("Telephony", "SerialNumber", ""); }
  std::string TelephonySubscriberNumber() const {
    return GetOr("Telephony", "SubscriberNumber", "");
  }

 private:
  std::vector<std::string> List(std::string_view section, std::string_view key) const;

  struct Section {
    std::string name;
    Entries entries;
  };
  std::vector<Section> sections_;
};

bool SameAsciiIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tarvo
