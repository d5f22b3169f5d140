// The result page: status checks, the person block and the category sections.
#include "video/TextCut.h"
#include "video/soku/SokuMarkers.h"
#include "video/soku/SokuParser.h"

namespace tarvo::soku {
namespace {

using namespace markers;

constexpr char16_t kSiteFault[] = u"网站遇到临时故障";
constexpr char16_t kPersonStart[] = u"<!--人物--> ";
constexpr char16_t kPersonEnd[] = u"<!--人物结束-->";
constexpr char16_t kItemsStart[] = u"<!--普通项-->";

struct CategoryBlock {
  const char16_t* first;
  const char16_t* classMarker;
  const char16_t* end;
  std::vector<SokuSeries> SokuResults::*list;
  uint32_t flag;
};
// In parse order.
constexpr CategoryBlock kCategoryBlocks[] = {
    {u"<!--电视剧-->", kTv, u"<!--tv end-->", &SokuResults::tv, kSokuTv},
    {u"<!--动漫-->", kTv, u"<!--tv end-->", &SokuResults::cartoon, kSokuCartoon},
    {u"<!--电影 分部-->", u"class=\"movie\"", u"<!--movie end-->", &SokuResults::movie, kSokuMovie},
    {u"<!--综艺-->", u"class=\"va\"", u"<!--va end-->", &SokuResults::variety, kSokuVariety},
};

struct PersonPhrase {
  const char16_t* phrase;
  std::vector<SokuSeries> SokuResults::*list;
  uint32_t flag;
};
constexpr PersonPhrase kPersonPhrases[] = {
    {u"的电视剧", &SokuResults::tv, kSokuTv},
    {u"的电影", &SokuResults::movie, kSokuMovie},
    {u"的综艺", &SokuResults::variety, kSokuVariety},
    {u"的动漫", &SokuResults::cartoon, kSokuCartoon},
};

}  // namespace

int SokuParser::Page() {
  if (finder_.Size() == 0) return kSokuFailed;
  if (finder_.Contains(kNoResults)) return kSokuNoResults;
  if (finder_.Contains(kSiteFault)) return kSokuSiteFault;
  results_->Clear();
  bool found = PersonBlock();
  for (const CategoryBlock& block : kCategoryBlocks) {
    size_t first = finder_.Find(block.first);
    if (first == kNotFound) continue;
    size_t start = finder_.Find(block.classMarker, first);
    if (start == kNotFound) continue;
    size_t end = finder_.Find(block.end, start);
    if (end == kNotFound) continue;
    if (Section(start, end, results_->*block.list)) {
      results_->flags |= block.flag;
      found = true;
    }
  }
  size_t itemsStart = finder_.Find(kItemsStart);
  size_t itemsEnd = itemsStart == kNotFound ? kNotFound : finder_.Find(kItemsEnd, itemsStart);
  if (itemsEnd != kNotFound && ItemList(itemsStart, itemsEnd, results_->items)) {
    results_->flags |= kSokuItems;
    found = true;
  }
  return found ? kSokuFound : kSokuFailed;
}

bool SokuParser::SectionInPlace(size_t start, size_t end, std::vector<SokuSeries>& list) {
  SokuGroup group;
  if (!ItemList(start, end, group.items)) return false;
  SokuSeries series;
  if (!group.items.empty()) series.image = group.items[0].thumb;
  size_t position = start;
  if (finder_.Cut(position, kCurrent, kItemEnd, series.title) && position <= end) {
    video::StripHighlight(series.title);
  } else {
    series.title = group.items.empty() ? WString() : group.items[0].title;
  }
  series.groups.push_back(std::move(group));
  list.push_back(std::move(series));
  return true;
}

bool SokuParser::Section(size_t start, size_t end, std::vector<SokuSeries>& list) {
  size_t viewAll = finder_.Find(kViewAll, start);
  if (viewAll == kNotFound || viewAll >= end) return SectionInPlace(start, end, list);
  list.clear();
  // Only a section heading before the viewall link belongs to this section;
  // one further down the page is another category's.
  size_t p = finder_.Find(kSection, start, viewAll);
  bool titled = p != kNotFound;
  if (!titled) p = viewAll;
  for (bool first = true;; first = false) {
    SokuSeries series;
    if (first) {
      size_t imageAt = p;
      finder_.Cut(imageAt, kSrc, kQuote, series.image);
    }
    WString link;
    if (!finder_.Cut(p, kHref, kQuote, link)) return false;
    series.url = WString(base_) + link;
    if (titled && finder_.Cut(p, kTagEnd, kLinkClose, series.title)) {
      video::StripHighlight(series.title);
    }
    list.push_back(std::move(series));
    p = finder_.Find(kHref, p, viewAll + 1);
    if (p == kNotFound) {
      if (results_) results_->flags |= kSokuMultiLink;
      return true;
    }
  }
}

bool SokuParser::PersonBlock() {
  if (!finder_.Contains(kPersonStart)) return false;
  size_t tv = finder_.Find(kTv);
  size_t personEnd = finder_.Find(kPersonEnd);
  if (tv == kNotFound || personEnd == kNotFound) return false;
  size_t guide = finder_.Find(kGuide, tv);
  bool stopped = false;
  while (!stopped && guide != kNotFound && guide <= personEnd) {
    size_t clear = finder_.Find(kClear, guide, personEnd + 1);
    if (clear == kNotFound) break;
    for (const PersonPhrase& phrase : kPersonPhrases) {
      if (finder_.Find(phrase.phrase, guide, clear) == kNotFound) continue;
      if (!Section(guide, clear, results_->*phrase.list)) {
        stopped = true;
        break;
      }
      results_->flags |= phrase.flag;
    }
    guide = finder_.Find(kGuide, guide + WStringView(kGuide).size(), personEnd + 1);
  }
  if (results_->tv.empty() && results_->movie.empty() && results_->variety.empty() &&
      results_->cartoon.empty()) {
    return false;
  }
  results_->flags |= kSokuPerson;
  return true;
}

}  // namespace tarvo::soku
