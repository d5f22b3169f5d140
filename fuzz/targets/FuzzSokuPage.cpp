// The Soku result page parser on any bytes.
#include <cstdint>
#include <string_view>

#include "platform/text/Utf8.h"
#include "video/soku/SokuParsers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  soku::SokuResults results;
  soku::ParseSokuPage(results, text, u"http://so.test");
  std::vector<video::VideoRecord> items;
  soku::ParseItemList(text, text.size() / 3, text.size() / 2, items);
  return 0;
}
