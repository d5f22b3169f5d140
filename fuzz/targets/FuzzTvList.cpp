// The recommended channel list text.
#include <cstdint>
#include <string_view>

#include "platform/text/CodePage.h"
#include "tv/RecommendedTvList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromCodePage(std::string_view(reinterpret_cast<const char*>(data), size));
  if (IsUsableTvListText(text)) ParseTvListRecords(text);
  ParseTvListRecords(text);
  return 0;
}
