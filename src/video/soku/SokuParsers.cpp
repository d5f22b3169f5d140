#include "video/soku/SokuParsers.h"

#include "platform/text/Format.h"
#include "video/KeywordEncoding.h"
#include "video/soku/SokuParser.h"

namespace tarvo::soku {
namespace {

constexpr char16_t kSearchPath[] = u"/v?keyword=";
constexpr char16_t kSearchSuffix[] = u"&hd=%d&curpage=%d";

}  // namespace

int ParseSokuPage(SokuResults& results, WStringView page, WStringView sokuBase) {
  return SokuParser(page, sokuBase, &results).Page();
}

bool ParseItemList(WStringView page, size_t start, size_t end, std::vector<VideoRecord>& items) {
  return SokuParser(page, WStringView(), nullptr).ItemList(start, end, items);
}

bool ParseSection(SokuResults& results, WStringView page, size_t start, size_t end,
                  std::vector<SokuSeries>& list, WStringView sokuBase) {
  return SokuParser(page, sokuBase, &results).Section(start, end, list);
}

bool ParsePersonBlock(SokuResults& results, WStringView page, WStringView sokuBase) {
  return SokuParser(page, sokuBase, &results).PersonBlock();
}

bool ParseEpisodeBlocks(WStringView page, SokuSeries& series, int layout) {
  return SokuParser(page, WStringView(), nullptr).EpisodeBlocks(series, layout);
}

WString SokuSearchPath(WStringView keyword, int hd, int page) {
  return WString(kSearchPath) + video::EncodeKeyword(keyword) + Format(kSearchSuffix, hd, page);
}

}  // namespace tarvo::soku
