#pragma once
// The time server: "/_t" answers 200 with the Date of the servers' time
// source, the host clock moved by a number of seconds.
#include <cstdint>

#include "Answer.h"

namespace tarvo::servers {

inline constexpr char kTimePath[] = "/_t";

Answer TimeAnswer(int64_t offsetSeconds);

}  // namespace tarvo::servers
