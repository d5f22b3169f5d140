#pragma once
// The hot-video browser's proxy pages: which pages a view reads, the items of
// a Tudou and of a Youku proxy page, and the address a tapped item plays.
#include <vector>

#include "platform/text/WString.h"

namespace tarvo::video {

inline constexpr int kHotViewStart = 0;
inline constexpr int kHotCategoryCount = 11;  // views 1 to 11, menu order
inline constexpr int kHotViewPaging = 12;

// Paths on the hot-video page server of a view: the Tudou page first, then
// the Youku page. channels holds the Tudou channel hosts of the eleven
// categories in menu order; a category whose host is missing reads only its
// Youku page. An unknown view reads nothing.
std::vector<WString> HotVideoPaths(int view, int page, const std::vector<WString>& channels);

// True for the Youku index (paging) page address, parsed as a Youku page.
bool IsYoukuIndexUrl(WStringView url);

struct HotItem {
  WString title;
  WString url;

  bool operator==(const HotItem&) const = default;
};

// Items of the "普通视频" part of a Tudou proxy page.
std::vector<HotItem> ParseTudouProxyPage(WStringView text);

// Items of a Youku proxy page served by hotServer (scheme, host and port).
// Its pager sets page and lastPage; without a pager they stay.
std::vector<HotItem> ParseYoukuProxyPage(WStringView text, WStringView hotServer, int& page,
                                         int& lastPage);

// A Tudou address plays with every "flv" turned into "play".
WString HotPlayUrl(WStringView url);

}  // namespace tarvo::video
