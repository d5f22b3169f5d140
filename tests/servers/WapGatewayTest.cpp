#include "WapGateway.h"

#include <gtest/gtest.h>

namespace tarvo::servers {
namespace {

TEST(AbsoluteTargets, HostPortPathAndQueryAreTakenApart) {
  auto target = ParseAbsoluteTarget("http://Time.Example.TEST:8080/a%20b/c?x=1&y=%2F");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->host, "time.example.test");
  EXPECT_EQ(target->port, 8080);
  EXPECT_EQ(target->path, "/a b/c");
  EXPECT_EQ(target->query, "x=1&y=%2F");
}

TEST(AbsoluteTargets, PortDefaultsToEightyAndPathToTheRoot) {
  auto target = ParseAbsoluteTarget("HTTP://host");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->port, 80);
  EXPECT_EQ(target->path, "/");
  auto query = ParseAbsoluteTarget("http://host?q");
  ASSERT_TRUE(query);
  EXPECT_EQ(query->path, "/");
  EXPECT_EQ(query->query, "q");
}

TEST(AbsoluteTargets, OriginFormsAndBrokenAuthoritiesAreNone) {
  EXPECT_FALSE(ParseAbsoluteTarget("/_t"));
  EXPECT_FALSE(ParseAbsoluteTarget("https://host/_t"));
  EXPECT_FALSE(ParseAbsoluteTarget("http:///_t"));
  EXPECT_FALSE(ParseAbsoluteTarget("http://host:/_t"));
  EXPECT_FALSE(ParseAbsoluteTarget("http://host:99999/_t"));
  EXPECT_FALSE(ParseAbsoluteTarget("http://host:8x/_t"));
  EXPECT_FALSE(ParseAbsoluteTarget("http://user@host/_t"));
}

TEST(GatewayRoutes, TimeOnAnyHostOwnRoutesOnlyOnTheOwnAddress) {
  const std::vector<std::string> own = {"127.0.0.1", "localhost"};
  EXPECT_EQ(RouteThroughGateway(*ParseAbsoluteTarget("http://anywhere.test/_t"), own, 28080), GatewayRoute::Time);
  EXPECT_EQ(RouteThroughGateway(*ParseAbsoluteTarget("http://LOCALHOST:28080/x"), own, 28080),
            GatewayRoute::OwnRoutes);
  EXPECT_EQ(RouteThroughGateway(*ParseAbsoluteTarget("http://127.0.0.1/x"), own, 28080), GatewayRoute::Refused);
  EXPECT_EQ(RouteThroughGateway(*ParseAbsoluteTarget("http://example.test:28080/x"), own, 28080),
            GatewayRoute::Refused);
  EXPECT_EQ(RouteThroughGateway(*ParseAbsoluteTarget("http://anywhere.test/_t/more"), own, 28080),
            GatewayRoute::Refused);
}

}  // namespace
}  // namespace tarvo::servers
