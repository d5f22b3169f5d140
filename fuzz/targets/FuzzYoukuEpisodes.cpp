// Episode-list and single-video pages on any bytes.
#include <cstdint>
#include <string_view>

#include "platform/text/Utf8.h"
#include "video/YoukuEpisodes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  video::ParseEpisodeListPage(text);
  video::ParseSingleVideoPage(text);
  return 0;
}
