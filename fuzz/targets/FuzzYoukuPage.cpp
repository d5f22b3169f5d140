// The Youku result page parser on any bytes.
#include <cstdint>
#include <string_view>

#include "platform/text/Utf8.h"
#include "video/YoukuPageParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  video::YoukuResult result;
  video::ParseYoukuPage(text, result, u"http://y.test");
  video::NoNextPage(text);
  return 0;
}
