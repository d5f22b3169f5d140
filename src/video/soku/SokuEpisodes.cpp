// Episode blocks of a series page, in the label layout (each block under its
// own "class="label">" heading) or the tab layout (labels from the tab bar).
#include "video/soku/SokuMarkers.h"
#include "video/soku/SokuParser.h"

namespace tarvo::soku {
namespace {

using namespace markers;

constexpr char16_t kResultEnd[] = u"<!--result end-->";
constexpr char16_t kQueue[] = u"class=\"queue\"";
constexpr char16_t kQueque[] = u"class=\"queque\"";
constexpr char16_t kGuideTag[] = u"class=\"guide\">";
constexpr char16_t kHeading[] = u"<h3>";
constexpr char16_t kPlainLinkOpen[] = u"<a>";

}  // namespace

std::vector<WString> SokuParser::TabLabels(size_t anchor) {
  std::vector<WString> labels;
  size_t h = finder_.Find(kHeading, anchor);
  size_t clear = h == kNotFound ? kNotFound : finder_.Find(kClear, h);
  if (clear != kNotFound) {
    WString text;
    while (finder_.Cut(h, kPlainLinkOpen, kLinkClose, text) && h <= clear) {
      labels.push_back(text);
    }
  }
  size_t label = finder_.Find(kLabel, anchor);
  WString text;
  if (label != kNotFound && finder_.Cut(label, kLabel, kHeadingEnd, text)) labels.push_back(text);
  return labels;
}

bool SokuParser::EpisodeBlocks(SokuSeries& series, int layout) {
  size_t resultEnd = finder_.Find(kResultEnd);
  if (resultEnd == kNotFound) return false;
  size_t anchor = finder_.Find(layout == kLabelLayout ? kQueue : kQueque);
  if (anchor == kNotFound) anchor = finder_.Find(kGuideTag);
  if (anchor == kNotFound) return false;
  std::vector<WString> labels = TabLabels(anchor);
  WStringView marker = layout == kLabelLayout ? kLabel : kItems;
  size_t b = finder_.Find(marker);
  if (b == kNotFound) return false;
  for (size_t i = 0;; ++i) {
    SokuGroup group;
    if (layout == kLabelLayout) {
      finder_.Cut(b, kLabel, kHeadingEnd, group.label);
    } else if (i < labels.size()) {
      group.label = labels[i];
    }
    size_t e = finder_.Find(kItemsEnd, b, resultEnd + 1);
    if (e == kNotFound) return true;
    if (!ItemList(b, e, group.items)) return false;
    series.groups.push_back(std::move(group));
    b = finder_.Find(marker, b + marker.size(), resultEnd + 1);
    if (b == kNotFound) return true;
  }
}

}  // namespace tarvo::soku
