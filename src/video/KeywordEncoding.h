#pragma once
// The search keyword as the search sites receive it, and the Youku search path.
#include <cstddef>

#include "platform/text/WString.h"

namespace tarvo::video {

// Room for the encoded keyword: a buffer of 128 characters with its terminator.
inline constexpr size_t kEncodedKeywordMax = 127;

// Every UTF-8 byte of the keyword as "%" and its hexadecimal value in upper
// case without a leading zero (a tab is "%9"). A keyword whose encoded form
// would not fit kEncodedKeywordMax is cut after its last whole character
// that still fits.
WString EncodeKeyword(WStringView keyword);

// "/search_video/q_" + encoded keyword + "_orderby_%d_hd_%d_page_%d", with the
// ordering given as its 0-based index (sent as index + 1).
WString YoukuSearchPath(WStringView keyword, int orderIndex, int hd, int page);

// Youku search result ordering choices, in combo order.
inline constexpr int kYoukuOrderCount = 5;

}  // namespace tarvo::video
