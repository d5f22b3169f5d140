#pragma once
// The recommended-list fetch: tvlist.txt from the content server, read in the
// device's code page and parsed. Runs on a worker; it only returns what it
// found, the screen shows it.
#include <atomic>
#include <string_view>
#include <vector>

#include "net/HttpFetch.h"
#include "tv/TvChannel.h"

namespace tarvo {

inline constexpr char16_t kTvListPath[] = u"/tarvo/tvlist.txt";
inline constexpr char16_t kTvListUnusableText[] = u"无法连接服务器,请稍后获取推荐电视列表.";
inline constexpr char16_t kTvListEmptyText[] = u"抱歉,没有找到推荐电视!";

enum class TvFetchOutcome {
  kOk,        // at least one channel
  kUnusable,  // nothing fetched, not a list, or the suspended page
  kEmpty,     // a list without a record
  kStopped,
};

struct TvFetchResult {
  TvFetchOutcome outcome = TvFetchOutcome::kUnusable;
  std::vector<TvChannel> channels;
};

// contentServer + "/tarvo/tvlist.txt" (one "/" between them).
WString TvListAddress(WStringView contentServer);

// The text of a fetched body as a result.
TvFetchResult ParseTvListBody(const std::string* body, std::string_view codePage);

TvFetchResult FetchRecommendedTv(WStringView contentServer, const HttpFetchTimeouts& timeouts,
                                 std::string_view codePage, const std::atomic<bool>* stop);

// The message an outcome shows (when a connection is up); empty for none.
WString TvFetchMessage(TvFetchOutcome outcome);

}  // namespace tarvo
