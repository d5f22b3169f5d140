#include "video/screens/SeriesLayout.h"

#include <algorithm>

#include "video/YoukuEpisodes.h"

namespace tarvo::video {
namespace {

constexpr int kSideMargin = 20;
constexpr char16_t kCutMark[] = u"..";

bool IsSingle(const SectionEntry& entry) { return IsSingleVideoStatus(entry.status); }

}  // namespace

WString CutToWidth(WStringView text, int maxWidth, const std::function<int(WStringView)>& textWidth) {
  if (textWidth(text) <= maxWidth) return WString(text);
  const int room = maxWidth - textWidth(kCutMark);
  int sum = 0;
  size_t keep = 0;
  while (keep < text.size()) {
    // A surrogate pair is one character: it stays whole or goes whole.
    size_t next = keep + 1;
    if (next < text.size() && text[keep] >= 0xD800 && text[keep] < 0xDC00) ++next;
    const int w = textWidth(text.substr(keep, next - keep));
    if (sum + w > room) break;
    sum += w;
    keep = next;
  }
  return WString(text.substr(0, keep)) + kCutMark;
}

SeriesLayout LayOutSeries(const std::vector<SectionEntry>& entries, bool variety, const SeriesGeometry& g) {
  SeriesLayout layout;
  const int left = kSideMargin;
  const int right = std::max(left + 1, g.screenWidth - std::max(kSideMargin, g.scrollBarWidth));
  const int usable = right - left;
  if (variety) {
    layout.columns = 2;
    layout.cellWidth = std::max(1, usable / 2);
  } else {
    int widest = -1;
    for (const SectionEntry& entry : entries) {
      if (IsSingle(entry)) continue;
      for (const EpisodeGroup& group : entry.groups)
        for (const VideoRecord& episode : group.episodes) widest = std::max(widest, g.textWidth(episode.title));
    }
    layout.cellWidth = std::clamp((widest < 0 ? 0 : widest) + g.rowUnit, 1, usable);
    layout.columns = std::max(1, usable / layout.cellWidth);
  }
  // The text of a cell keeps half a row unit free towards its neighbour.
  const int cellText = std::max(1, layout.cellWidth - (layout.columns > 1 ? g.rowUnit / 2 : 0));
  int y = 0;
  auto line = [&](WStringView text, int item) {
    layout.cells.push_back(
        SeriesCell{CutToWidth(text, usable, g.textWidth), ui::Rect{left, y, right, y + g.lineHeight}, item});
    y += g.lineHeight;
  };
  for (const SectionEntry& entry : entries) {
    if (IsSingle(entry)) {
      // One line; it plays the entry's one video when the page gave it.
      // Its name is the video page's own title (blanks removed) once fetched.
      int item = -1;
      WString name = entry.title;
      if (!entry.groups.empty() && !entry.groups.front().episodes.empty()) {
        item = static_cast<int>(layout.items.size());
        layout.items.push_back(entry.groups.front().episodes.front());
        if (!layout.items.back().title.empty()) name = layout.items.back().title;
      }
      line(name + u" (" + entry.status + u")", item);
      continue;
    }
    line(entry.title, -1);
    for (const EpisodeGroup& group : entry.groups) {
      // An episode list carries no name of its own: no empty line for it.
      if (!group.name.empty()) line(group.name, -1);
      const int n = static_cast<int>(group.episodes.size());
      for (int i = 0; i < n; ++i) {
        const int column = i % layout.columns;
        const int rowY = y + (i / layout.columns) * g.lineHeight;
        const int item = static_cast<int>(layout.items.size());
        const VideoRecord& episode = group.episodes[static_cast<size_t>(i)];
        layout.items.push_back(episode);
        const int x = left + column * layout.cellWidth;
        layout.cells.push_back(SeriesCell{CutToWidth(episode.title, cellText, g.textWidth),
                                          ui::Rect{x, rowY, x + layout.cellWidth, rowY + g.lineHeight}, item});
      }
      y += (n > 1 ? (n - 1) / layout.columns + 1 : 1) * g.lineHeight;
    }
  }
  layout.contentHeight = y;
  return layout;
}

}  // namespace tarvo::video
