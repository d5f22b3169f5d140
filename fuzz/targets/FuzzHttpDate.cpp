// Response "Date" texts: any bytes either give no time or a time in range.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "timesync/HttpDate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  if (auto time = ParseHttpDate(text)) {
    // Whatever it took must be a real calendar time.
    if (!EpochMsFromSystemTime(*time)) std::abort();
  }
  return 0;
}
