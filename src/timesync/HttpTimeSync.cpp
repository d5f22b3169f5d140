#include "timesync/HttpTimeSync.h"

#include <charconv>

#include "platform/net/HttpTransport.h"
#include "timesync/HttpDate.h"

namespace tarvo {
namespace {

constexpr std::string_view kScheme = "http://";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char x = (a[i] >= 'A' && a[i] <= 'Z') ? char(a[i] + 32) : a[i];
    const char y = (b[i] >= 'A' && b[i] <= 'Z') ? char(b[i] + 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

bool IsHostChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
         c == '_';
}

struct Reply {
  bool headers = false;
  std::string date;
  bool dated = false;
};

Reply GetOnce(const std::string& url, const HttpTimeOptions& options) {
  HttpGetOptions get;
  get.connectTimeout = get.requestTimeout = get.readTimeout = std::chrono::milliseconds(options.timeoutMs);
  get.userAgent = kTimeUserAgent;
  get.acceptHeader = false;
  get.proxy = options.proxy;
  get.stop = options.stop;
  Reply reply;
  HttpGetCallbacks callbacks;
  callbacks.onHeaders = [&](const HttpHeaders& headers) {
    for (const auto& [name, value] : headers) {
      if (SameIgnoringCase(name, "Date")) {
        reply.date = value;
        reply.dated = true;
        break;
      }
    }
  };
  // The body is not needed: the headers are all this asks for.
  callbacks.onResponse = [&](long, long long) {
    reply.headers = true;
    return false;
  };
  HttpGet(url, get, callbacks);
  return reply;
}

}  // namespace

std::optional<TimeServerAddress> ParseTimeServer(std::string_view text) {
  if (text.size() >= kScheme.size() && SameIgnoringCase(text.substr(0, kScheme.size()), kScheme)) {
    text.remove_prefix(kScheme.size());
    text = text.substr(0, text.find_first_of("/?#"));
  }
  TimeServerAddress address;
  const size_t colon = text.find(':');
  const std::string_view host = text.substr(0, colon);
  if (host.empty()) return std::nullopt;
  for (char c : host)
    if (!IsHostChar(c)) return std::nullopt;
  address.host = std::string(host);
  if (colon != std::string_view::npos) {
    const std::string_view port = text.substr(colon + 1);
    auto [last, error] = std::from_chars(port.data(), port.data() + port.size(), address.port);
    if (port.empty() || error != std::errc() || last != port.data() + port.size() || address.port < 1 ||
        address.port > 65535)
      return std::nullopt;
  }
  return address;
}

std::string TimeServerShown(std::string_view configured) {
  auto address = ParseTimeServer(configured);
  if (!address) return std::string(configured);
  return address->host + ":" + std::to_string(address->port);
}

HttpTimeAnswer FetchHttpTime(const TimeServerAddress& server, const HttpTimeOptions& options) {
  const std::string url = "http://" + server.host + ":" + std::to_string(server.port) + kTimeRequestPath;
  HttpTimeAnswer answer;
  answer.requests = 1;
  if (!GetOnce(url, options).headers) return answer;
  answer.requests = 2;
  const Reply second = GetOnce(url, options);
  if (!second.headers || !second.dated) return answer;
  answer.dateText = second.date;
  answer.utc = ParseHttpDate(second.date);
  return answer;
}

}  // namespace tarvo
