// The flvcd parse page reader on any bytes.
#include <cstdint>
#include <string_view>

#include "video/PlayAddress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarvo::video::ParsePlayPage(std::string_view(reinterpret_cast<const char*>(data), size), "GBK");
  return 0;
}
