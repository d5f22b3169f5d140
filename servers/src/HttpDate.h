#pragma once
#include <ctime>
#include <string>

namespace tarvo::servers {

// RFC 7231 date, e.g. "Sun, 06 Dec 2026 07:21:26 GMT".
std::string HttpDate(std::time_t when);

}  // namespace tarvo::servers
