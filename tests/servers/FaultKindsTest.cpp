#include "FaultKinds.h"

#include <gtest/gtest.h>

namespace tarvo::servers {
namespace {

using Type = FaultKind::Type;

TEST(ParseFaultKind, EveryKindWithItsArguments) {
  EXPECT_EQ(ParseFaultKind("stall", nullptr)->type, Type::Stall);
  EXPECT_EQ(ParseFaultKind("garbage", nullptr)->type, Type::Garbage);
  EXPECT_EQ(ParseFaultKind("empty", nullptr)->type, Type::Empty);
  EXPECT_EQ(ParseFaultKind("no-length", nullptr)->type, Type::NoLength);
  auto stallBody = ParseFaultKind("stall-body:12", nullptr);
  EXPECT_EQ(stallBody->type, Type::StallBody);
  EXPECT_EQ(stallBody->bytes, 12u);
  auto reset = ParseFaultKind("reset:0", nullptr);
  EXPECT_EQ(reset->type, Type::Reset);
  EXPECT_EQ(reset->bytes, 0u);
  auto status = ParseFaultKind("status:503", nullptr);
  EXPECT_EQ(status->type, Type::Status);
  EXPECT_EQ(status->status, 503);
  auto trickle = ParseFaultKind("trickle:10:5", nullptr);
  EXPECT_EQ(trickle->type, Type::Trickle);
  EXPECT_EQ(trickle->bytes, 10u);
  EXPECT_EQ(trickle->intervalMs, 5);
}

TEST(ParseFaultKind, MalformedKindsAreRefusedWithAReason) {
  for (const char* bad : {"", "stal", "stall:1", "reset", "reset:", "reset:-1", "reset:1x", "status:99",
                          "status:600", "status:404:1", "trickle:10", "trickle:0:5", "trickle:1:-5",
                          "trickle:1:60001", "garbage:1"}) {
    std::string error;
    EXPECT_FALSE(ParseFaultKind(bad, &error)) << bad;
    EXPECT_NE(error.find(std::string("\"") + bad + "\""), std::string::npos) << error;
  }
}

TEST(SplitFaultUrl, TheKindIsOneSegmentAndTheRestKeepsItsSlash) {
  auto url = SplitFaultUrl("/_fault/trickle:10:5/xh/xh00001.txt");
  ASSERT_TRUE(url);
  EXPECT_EQ(url->kind, "trickle:10:5");
  EXPECT_EQ(url->rest, "/xh/xh00001.txt");
  EXPECT_EQ(SplitFaultUrl("/_fault/stall")->rest, "/");
  EXPECT_FALSE(SplitFaultUrl("/tarvo/_fault/stall/x"));
  EXPECT_FALSE(SplitFaultUrl("/_faults/stall/x"));
}

}  // namespace
}  // namespace tarvo::servers
