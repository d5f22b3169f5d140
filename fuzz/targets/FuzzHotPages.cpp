// The hot-video proxy pages on any bytes.
#include <cstdint>
#include <string_view>

#include "platform/text/Utf8.h"
#include "video/HotVideo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  video::ParseTudouProxyPage(text);
  int page = 1;
  int lastPage = 0;
  video::ParseYoukuProxyPage(text, u"http://hot.test:28084", page, lastPage);
  video::HotPlayUrl(text);
  return 0;
}
