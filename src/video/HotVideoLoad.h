#pragma once
// One load of the hot-video browser, apart from any window: the pages of the
// current view fetched and parsed into items and pager state, and the
// browser's paging state with the turns that change it.
#include <vector>

#include "video/HotVideo.h"
#include "video/PageFetcher.h"

namespace tarvo::video {

enum class HotLoadKind {
  kNothingToLoad,  // the view reads no page
  kNoBody,         // the first page brought nothing
  kLoaded,
};

struct HotLoadOutcome {
  HotLoadKind kind = HotLoadKind::kNothingToLoad;
  std::vector<HotItem> items;  // Tudou items first, then Youku items
  int page = 1;
  int lastPage = 0;
};

// Fetches server + each path of the view (one or two), reads the first as a
// Youku page when it is the index page and as a Tudou page otherwise, and
// the second, when it brought a body, as a Youku page. page and lastPage are
// where the pager starts from; a Youku pager moves them.
HotLoadOutcome LoadHotPages(const std::vector<WString>& paths, WStringView server, int page, int lastPage,
                            const PageFetcher& fetch);

enum class HotDirection { kNone = 0, kPrevious = 1, kNext = 2 };

struct HotBrowseState {
  int view = kHotViewStart;
  int page = 1;
  int lastPage = 0;
  bool lastLoadSucceeded = true;
  HotDirection direction = HotDirection::kNone;
};

enum class HotTurn { kReload, kAtFirstPage, kAtLastPage };

// "上一页" and "下一页": a turn the same way as a failed one first takes that
// one back; at either end nothing moves, else the page moves, the view
// becomes the paging view and the caller reloads.
HotTurn TurnToPrevious(HotBrowseState& state);
HotTurn TurnToNext(HotBrowseState& state);

// What a finished load leaves: a loaded one its pager state, success and no
// direction; any other a failure.
void TakeLoadOutcome(HotBrowseState& state, const HotLoadOutcome& outcome);
// A reload the connection check refused loaded nothing: a failure, so the
// next turn the same way takes its page step back.
void TakeRefusedLoad(HotBrowseState& state);

}  // namespace tarvo::video
