#pragma once
// The operator's WAP gateway, on the stand-ins' own port: a request whose
// target is an absolute URI ("GET http://host:port/path"). "/_t" on any host
// gets the time answer; the servers' own address gets their routes; every
// other address a 502. It never connects anywhere.
#include <optional>
#include <string>
#include <vector>

namespace tarvo::servers {

struct AbsoluteTarget {
  std::string host;
  int port = 80;
  std::string path = "/";  // decoded, as a route sees it
  std::string query;       // as sent
};

// nullopt for a target that is not "http://host[:port][/path][?query]".
std::optional<AbsoluteTarget> ParseAbsoluteTarget(const std::string& target);

enum class GatewayRoute { Time, OwnRoutes, Refused };

// ownHosts: the names the servers answer to; ownPort: their port.
GatewayRoute RouteThroughGateway(const AbsoluteTarget& target, const std::vector<std::string>& ownHosts,
                                 int ownPort);

}  // namespace tarvo::servers
