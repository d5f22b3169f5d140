#include "TimeRoute.h"

#include <ctime>

#include "HttpDate.h"

namespace tarvo::servers {

Answer TimeAnswer(int64_t offsetSeconds) {
  const std::time_t now = std::time(nullptr) + static_cast<std::time_t>(offsetSeconds);
  return {200, "text/plain", "", HttpDate(now)};
}

}  // namespace tarvo::servers
