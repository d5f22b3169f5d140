// The Soku series, entry and guide pages on any bytes.
#include <cstdint>
#include <string_view>

#include "platform/text/Utf8.h"
#include "video/soku/SokuEntryPages.h"
#include "video/soku/SokuParsers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  for (int layout : {soku::kTabLayout, soku::kLabelLayout}) {
    soku::SokuSeries series;
    soku::ParseEpisodeBlocks(text, series, layout);
    soku::SokuSeries page;
    soku::ParseSeriesPage(text, layout, page);
  }
  soku::ParseSokuEntryPage(text, soku::kSokuTv);
  soku::ParseSokuEntryPage(text, soku::kSokuMovie);
  soku::CollectGuideLinks(text, u"http://so.test");
  return 0;
}
