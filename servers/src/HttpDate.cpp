#include "HttpDate.h"

namespace tarvo::servers {

std::string HttpDate(std::time_t when) {
  std::tm utc{};
  gmtime_r(&when, &utc);
  char text[64];
  std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &utc);
  return text;
}

}  // namespace tarvo::servers
