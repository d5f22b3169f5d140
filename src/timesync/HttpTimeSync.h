#pragma once
// The clock over HTTP: two GETs of "/_t" on a time server, directly or
// through the WAP gateway, and the second answer's "Date".
#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/device/DeviceClock.h"

namespace tarvo {

inline constexpr char kTimeRequestPath[] = "/_t";
inline constexpr char kTimeUserAgent[] = "qtm";

struct TimeServerAddress {
  std::string host;
  int port = 80;
};

// "host", "host:port" or "http://host[:port][/...]" (the path is ignored);
// nullopt for any other text.
std::optional<TimeServerAddress> ParseTimeServer(std::string_view text);
// "host:port" of a configured time server URL, as the server box shows it;
// the text itself when it is no server address.
std::string TimeServerShown(std::string_view configured);

struct HttpTimeOptions {
  std::string proxy;  // "host:port" of the WAP gateway; empty: direct
  int timeoutMs = 30000;  // to connect, and again for the headers, per request
  const std::atomic<bool>* stop = nullptr;
};

struct HttpTimeAnswer {
  int requests = 0;        // requests that were sent
  std::string dateText;    // the second answer's first Date header, as sent
  std::optional<SystemTime> utc;  // that date, when it is one
};

// The first request; the second only once the first got its headers.
HttpTimeAnswer FetchHttpTime(const TimeServerAddress& server, const HttpTimeOptions& options);

}  // namespace tarvo
