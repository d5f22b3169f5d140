#include "video/screens/SeriesLayout.h"

#include <algorithm>

#include "video/YoukuEpisodes.h"

namespace tarvo::video {
namespace {

constexpr int kSideMargin = 20;

bool IsSingle(const SectionEntry& entry) { return IsSingleVideoStatus(entry.status); }

}  // namespace

SeriesLayout LayOutSeries(const std::vector<SectionEntry>& entries, bool variety, const SeriesGeometry& g) {
  SeriesLayout layout;
  const int usable = std::max(1, g.screenWidth - 2 * kSideMargin);
  if (variety) {
    layout.columns = 2;
    layout.cellWidth = usable / 2;
  } else {
    const EpisodeGroup* first = nullptr;
    for (const SectionEntry& entry : entries) {
      for (const EpisodeGroup& group : entry.groups)
        if (!group.episodes.empty()) {
          first = &group;
          break;
        }
      if (first) break;
    }
    layout.cellWidth = (first ? g.textWidth(first->episodes.front().title) : 0) + g.rowUnit;
    layout.columns = std::max(1, usable / std::max(1, layout.cellWidth));
  }
  const int right = g.screenWidth - kSideMargin;
  int y = 0;
  auto line = [&](WStringView text, int item, int x = kSideMargin, int width = -1) {
    const int w = width < 0 ? right - x : width;
    layout.cells.push_back(SeriesCell{WString(text), ui::Rect{x, y, x + w, y + g.lineHeight}, item});
  };
  for (const SectionEntry& entry : entries) {
    if (IsSingle(entry)) {
      // One line; it plays the entry's one video when the page gave it.
      int item = -1;
      if (!entry.groups.empty() && !entry.groups.front().episodes.empty()) {
        item = static_cast<int>(layout.items.size());
        layout.items.push_back(entry.groups.front().episodes.front());
      }
      line(entry.title + u" (" + entry.status + u")", item);
      y += g.lineHeight;
      continue;
    }
    line(entry.title, -1);
    y += g.lineHeight;
    for (const EpisodeGroup& group : entry.groups) {
      line(group.name, -1);
      y += 2 * g.lineHeight;
      const int n = static_cast<int>(group.episodes.size());
      for (int i = 0; i < n; ++i) {
        const int column = i % layout.columns;
        const int rowY = y + (i / layout.columns) * g.lineHeight;
        const int item = static_cast<int>(layout.items.size());
        layout.items.push_back(group.episodes[static_cast<size_t>(i)]);
        layout.cells.push_back(SeriesCell{group.episodes[static_cast<size_t>(i)].title,
                                          ui::Rect{kSideMargin + column * layout.cellWidth, rowY,
                                                   kSideMargin + (column + 1) * layout.cellWidth, rowY + g.lineHeight},
                                          item});
      }
      y += (n > 1 ? (n - 1) / layout.columns + 1 : 1) * g.lineHeight;
    }
  }
  layout.contentHeight = y;
  return layout;
}

}  // namespace tarvo::video
