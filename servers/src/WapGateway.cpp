#include "WapGateway.h"

#include <httplib.h>

#include <algorithm>
#include <charconv>

#include "TimeRoute.h"

namespace tarvo::servers {
namespace {

constexpr std::string_view kScheme = "http://";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

std::optional<AbsoluteTarget> ParseAbsoluteTarget(const std::string& target) {
  if (Lower(target.substr(0, kScheme.size())) != kScheme) return std::nullopt;
  const std::string rest = target.substr(kScheme.size());
  const size_t end = rest.find_first_of("/?");
  const std::string authority = rest.substr(0, end);
  std::string pathAndQuery = end == std::string::npos ? "/" : rest.substr(end);
  if (pathAndQuery[0] == '?') pathAndQuery = "/" + pathAndQuery;
  AbsoluteTarget parsed;
  const size_t colon = authority.rfind(':');
  parsed.host = Lower(authority.substr(0, colon));
  if (parsed.host.empty() || parsed.host.find('@') != std::string::npos) return std::nullopt;
  if (colon != std::string::npos) {
    const std::string port = authority.substr(colon + 1);
    auto [last, error] = std::from_chars(port.data(), port.data() + port.size(), parsed.port);
    if (port.empty() || error != std::errc() || last != port.data() + port.size() || parsed.port < 1 ||
        parsed.port > 65535)
      return std::nullopt;
  }
  const size_t question = pathAndQuery.find('?');
  parsed.path = httplib::detail::decode_url(pathAndQuery.substr(0, question), false);
  if (question != std::string::npos) parsed.query = pathAndQuery.substr(question + 1);
  return parsed;
}

GatewayRoute RouteThroughGateway(const AbsoluteTarget& target, const std::vector<std::string>& ownHosts,
                                 int ownPort) {
  if (target.path == kTimePath) return GatewayRoute::Time;
  const bool own = target.port == ownPort &&
                   std::any_of(ownHosts.begin(), ownHosts.end(),
                               [&](const std::string& host) { return Lower(host) == target.host; });
  return own ? GatewayRoute::OwnRoutes : GatewayRoute::Refused;
}

}  // namespace tarvo::servers
