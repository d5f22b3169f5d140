#include "tv/TvListFetch.h"

#include "platform/text/CodePage.h"
#include "tv/RecommendedTvList.h"

namespace tarvo {

WString TvListAddress(WStringView contentServer) {
  WString url(contentServer);
  while (!url.empty() && url.back() == u'/') url.pop_back();
  return url + kTvListPath;
}

TvFetchResult ParseTvListBody(const std::string* body, std::string_view codePage) {
  TvFetchResult result;
  if (body == nullptr) return result;
  const WString text = FromCodePage(*body, codePage);
  if (!IsUsableTvListText(text)) return result;
  result.channels = ParseTvListRecords(text);
  result.outcome = result.channels.empty() ? TvFetchOutcome::kEmpty : TvFetchOutcome::kOk;
  return result;
}

TvFetchResult FetchRecommendedTv(WStringView contentServer, const HttpFetchTimeouts& timeouts,
                                 std::string_view codePage, const std::atomic<bool>* stop) {
  HttpFetch fetch(TvListAddress(contentServer), timeouts, stop);
  if (stop != nullptr && stop->load()) return {TvFetchOutcome::kStopped, {}};
  return ParseTvListBody(fetch.Succeeded() ? fetch.Content() : nullptr, codePage);
}

WString TvFetchMessage(TvFetchOutcome outcome) {
  switch (outcome) {
    case TvFetchOutcome::kUnusable: return kTvListUnusableText;
    case TvFetchOutcome::kEmpty: return kTvListEmptyText;
    case TvFetchOutcome::kOk:
    case TvFetchOutcome::kStopped: break;
  }
  return WString();
}

}  // namespace tarvo
