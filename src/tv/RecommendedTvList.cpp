#include "tv/RecommendedTvList.h"

#include <algorithm>

namespace tarvo {
namespace {

constexpr char16_t kRecordMark = u'#';
constexpr char16_t kLineEnd[] = u"\r\n";

WString WithoutLineBreaks(WStringView text) {
  WString out(text);
  std::erase_if(out, [](char16_t c) { return c == u'\r' || c == u'\n'; });
  return out;
}

}  // namespace

bool IsUsableTvListText(WStringView text) {
  return !text.empty() && text[0] == kRecordMark &&
         text.find(kTvListSuspendedMarker) == WStringView::npos;
}

std::vector<TvChannel> ParseTvListRecords(WStringView text) {
  std::vector<TvChannel> channels;
  size_t position = text.find(kRecordMark);
  while (position != WStringView::npos) {
    size_t nameEnd = text.find(kLineEnd, position + 1);
    if (nameEnd == WStringView::npos) break;
    size_t urlStart = nameEnd + 2;
    size_t urlEnd = text.find(kLineEnd, urlStart);
    if (urlEnd == WStringView::npos) urlEnd = text.size();
    channels.push_back({WithoutLineBreaks(text.substr(position + 1, nameEnd - position - 1)),
                        WithoutLineBreaks(text.substr(urlStart, urlEnd - urlStart))});
    position = text.find(kRecordMark, urlEnd);
  }
  return channels;
}

}  // namespace tarvo
