#pragma once
// One HTTP GET over libcurl, with its own transfer state, so that any number
// of transfers may run at once on different threads. The body is handed out
// in reads of a fixed size (the last one may be shorter), as the program's
// fetch routines consume it.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo {

struct HttpGetOptions {
  std::chrono::milliseconds connectTimeout{30000};
  // From the connection to the response headers.
  std::chrono::milliseconds requestTimeout{30000};
  // Each wait for more of the body.
  std::chrono::milliseconds readTimeout{30000};
  std::string userAgent = "Tarvo";
  std::vector<std::string> headers;  // extra request headers
  std::string proxy;                 // "host:port"; empty: direct, whatever the environment says
  bool acceptHeader = true;          // send "Accept: */*"
  size_t readSize = 65534;
  // When it turns true the transfer ends, whatever it is waiting for, within
  // kStopCheckInterval; the outcome is then Cancelled.
  const std::atomic<bool>* stop = nullptr;
};

// How often a transfer looks at its stop flag.
inline constexpr std::chrono::milliseconds kStopCheckInterval{20};

enum class HttpOutcome {
  Completed,      // the whole body arrived
  NotConnected,   // no connection (refused, unresolvable, connect time-out)
  RequestFailed,  // connected, but no response headers (error or time-out)
  TimedOut,       // a wait for more of the body timed out
  Broken,         // the transfer broke off after the headers
  Cancelled,      // a callback or the stop flag ended the transfer
};

// Response headers in the order they came, names as sent.
using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct HttpGetCallbacks {
  // The final response's headers, just before onResponse.
  std::function<void(const HttpHeaders& headers)> onHeaders;
  // The response headers have arrived; length is the announced body size,
  // or -1 when the server did not say. False cancels.
  std::function<bool(long status, long long length)> onResponse;
  // A read of the body; false cancels.
  std::function<bool(std::string_view bytes)> onRead;
  // Progress traces (connection made, response received, request complete).
  std::function<void(int context, int status)> onStatus;
};

HttpOutcome HttpGet(const std::string& url, const HttpGetOptions& options,
                    const HttpGetCallbacks& callbacks);

}  // namespace tarvo
