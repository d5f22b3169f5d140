// Text cleaning and keyword encoding on any bytes.
#include <cstdint>
#include <string_view>

#include "platform/text/Utf8.h"
#include "video/KeywordEncoding.h"
#include "video/TextCut.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  WString cleaned = text;
  video::CleanText(cleaned);
  WString stripped = text;
  video::StripHighlight(stripped);
  if (video::EncodeKeyword(text).size() > video::kEncodedKeywordMax) __builtin_trap();
  return 0;
}
