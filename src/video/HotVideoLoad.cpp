#include "video/HotVideoLoad.h"

#include "platform/text/Utf8.h"

namespace tarvo::video {

HotLoadOutcome LoadHotPages(const std::vector<WString>& paths, WStringView server, int page, int lastPage,
                            const PageFetcher& fetch) {
  HotLoadOutcome outcome;
  outcome.page = page;
  outcome.lastPage = lastPage;
  if (paths.empty()) return outcome;
  const WString base(server);
  const std::optional<std::string> first = fetch(base + paths[0]);
  if (!first || first->empty()) {
    outcome.kind = HotLoadKind::kNoBody;
    return outcome;
  }
  outcome.kind = HotLoadKind::kLoaded;
  const WString text = FromUtf8(*first);
  if (IsYoukuIndexUrl(paths[0])) {
    outcome.items = ParseYoukuProxyPage(text, server, outcome.page, outcome.lastPage);
  } else {
    outcome.items = ParseTudouProxyPage(text);
  }
  if (paths.size() > 1) {
    const std::optional<std::string> second = fetch(base + paths[1]);
    if (second && !second->empty()) {
      std::vector<HotItem> youku = ParseYoukuProxyPage(FromUtf8(*second), server, outcome.page, outcome.lastPage);
      outcome.items.insert(outcome.items.end(), std::make_move_iterator(youku.begin()),
                           std::make_move_iterator(youku.end()));
    }
  }
  return outcome;
}

HotTurn TurnToPrevious(HotBrowseState& state) {
  if (state.page != 1 && state.direction == HotDirection::kPrevious && !state.lastLoadSucceeded) ++state.page;
  if (state.page < 2) return HotTurn::kAtFirstPage;
  --state.page;
  state.view = kHotViewPaging;
  state.direction = HotDirection::kPrevious;
  return HotTurn::kReload;
}

HotTurn TurnToNext(HotBrowseState& state) {
  if (state.page != 1 && state.direction == HotDirection::kNext && !state.lastLoadSucceeded) --state.page;
  if (state.lastPage != 0) return HotTurn::kAtLastPage;
  ++state.page;
  state.view = kHotViewPaging;
  state.direction = HotDirection::kNext;
  return HotTurn::kReload;
}

void TakeLoadOutcome(HotBrowseState& state, const HotLoadOutcome& outcome) {
  if (outcome.kind != HotLoadKind::kLoaded) {
    state.lastLoadSucceeded = false;
    return;
  }
  state.lastLoadSucceeded = true;
  state.direction = HotDirection::kNone;
  state.page = outcome.page;
  state.lastPage = outcome.lastPage;
}

void TakeRefusedLoad(HotBrowseState& state) { state.lastLoadSucceeded = false; }

}  // namespace tarvo::video
