#include <gtest/gtest.h>

#include <string>

#include "platform/net/BodyMemory.h"

namespace tarvo {
namespace {

// Whatever the host does with the pages, the string stays a plain string:
// room for the body, what it held kept, everything written readable.
TEST(ReserveBody, MakesRoomAndKeepsWhatTheBodyHolds) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{200000}, size_t{1} << 19, size_t{840000}, size_t{3} << 20}) {
    std::string body = "head";
    ReserveBody(body, size);
    EXPECT_GE(body.capacity(), size);
    EXPECT_EQ(body, "head");
    const char* before = body.data();
    for (size_t i = body.size(); i < size; ++i) body.push_back(static_cast<char>('a' + i % 26));
    if (size > 4) {
      EXPECT_EQ(body.data(), before) << "the body moved while filling " << size << " bytes";
    }
    bool intact = body.compare(0, 4, "head") == 0;
    for (size_t i = 4; i < body.size() && intact; ++i) intact = body[i] == static_cast<char>('a' + i % 26);
    EXPECT_TRUE(intact) << size;
  }
}

}  // namespace
}  // namespace tarvo
