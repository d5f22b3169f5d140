// Sections whose entries carry their episodes on the result page: TV series
// (with seasons), the episode block and the variety block.
#include "video/TextCut.h"
#include "video/YoukuMarkers.h"
#include "video/YoukuSectionParser.h"

namespace tarvo::video {
namespace {

using namespace youku;

constexpr char16_t kShowResult[] = u"class=\"showResult\">";
constexpr char16_t kTvDelimiter[] = u"<!--电视剧-->";
constexpr char16_t kDetail[] = u"class=\"detail\"";
constexpr char16_t kLead[] = u"class=\"lead\"";
constexpr char16_t kEpisodesStart[] = u"<!--剧集-->";
constexpr char16_t kEpisodesEnd[] = u"<!--剧集结束-->";
constexpr char16_t kVarietyStart[] = u"<!--综艺-->";
constexpr char16_t kVarietyEnd[] = u"<!--综艺结束-->";
constexpr char16_t kSeries[] = u"class=\"series\"";
constexpr char16_t kLabelOpen[] = u"<label>";
constexpr char16_t kDetailOpen[] = u"class=\"detail\">";
constexpr char16_t kEpisodeLink[] = u"<a href=\"";

}  // namespace

bool YoukuSectionParser::LinkList(size_t& position, size_t limit, EpisodeGroup& group) {
  size_t clear = finder_.Find(kClear, position, limit);
  size_t bound = clear < limit ? clear : limit;
  size_t link = finder_.Find(kHref, position, bound);
  while (link < bound) {
    VideoRecord episode;
    if (!finder_.Cut(link, kHref, kQuote, episode.url, bound) ||
        !finder_.Cut(link, kTagEnd, kTagStart, episode.title, bound)) {
      return false;
    }
    group.episodes.push_back(std::move(episode));
    link = finder_.Find(kHref, link, bound);
  }
  position = clear < limit ? clear + WStringView(kClear).size() : bound;
  return true;
}

// One TV series: thumbnail and title, then either one link list or, after
// "class="lead"", one season per label with a link list each.
bool YoukuSectionParser::TvSeriesBlock(size_t start, size_t end) {
  auto& entries = result_.Section(YoukuSection::kTvSeries);
  size_t position = start;
  WString thumb, title;
  if (!finder_.Cut(position, kSrc, kQuote, thumb, end)) return false;
  if (!finder_.Cut(position, kTitleAttr, kQuote, title, end)) return false;
  size_t detail = finder_.Find(kDetail, position, end);
  if (detail == kNotFound) return false;
  position = detail;
  size_t lead = finder_.Find(kLead, start, end);
  if (lead == kNotFound) {
    entries.push_back(SectionEntry{title, {}, thumb, {}, {EpisodeGroup{}}});
    return LinkList(position, end, entries.back().groups[0]);
  }
  position = lead;
  for (const WString& season : LinkTexts(position, end, false)) {
    entries.push_back(SectionEntry{season, {}, thumb, {}, {EpisodeGroup{}}});
    if (!LinkList(position, end, entries.back().groups[0])) return false;
  }
  return true;
}

// Blocks from "class="showResult">", each ending at the next "<!--电视剧-->"
// or at the programme end marker.
bool YoukuSectionParser::TvSeries() {
  size_t start = finder_.Find(kShowResult);
  if (start == kNotFound) return false;
  size_t end = finder_.Find(kProgrammesEnd, start);
  if (end == kNotFound) return false;
  result_.flags |= kFlagTvSeries;
  size_t block = start;
  while (block < end) {
    size_t next = finder_.Find(kTvDelimiter, block + 1, end);
    size_t blockEnd = next < end ? next : end;
    if (!TvSeriesBlock(block, blockEnd)) break;
    block = blockEnd;
  }
  return true;
}

bool YoukuSectionParser::SeriesEntry(size_t start, size_t end, SectionEntry& entry) {
  size_t position = start;
  if (!finder_.Cut(position, kSrc, kQuote, entry.thumb, end)) return false;
  if (!finder_.Cut(position, kLabelOpen, kTagStart, entry.status, end)) return false;
  std::vector<WString> titles = LinkTexts(position, end, true);
  if (titles.empty()) return false;
  entry.title = titles[0];
  CleanText(entry.title);
  EpisodeGroup& group = entry.groups.emplace_back();
  size_t detail = finder_.Find(kDetailOpen, position, end);
  if (detail == kNotFound) return true;
  size_t link = finder_.Find(kEpisodeLink, detail, end);
  while (link < end) {
    VideoRecord episode;
    if (!finder_.Cut(link, kEpisodeLink, kQuote, episode.url, end) ||
        !finder_.Cut(link, kTagEnd, kTagStart, episode.title, end)) {
      return false;
    }
    group.episodes.push_back(std::move(episode));
    link = finder_.Find(kEpisodeLink, link, end);
  }
  return true;
}

// Every "class="series"" between the markers is one entry, up to the next
// one or the end marker.
bool YoukuSectionParser::SeriesEntries(WStringView startMarker, WStringView endMarker,
                                       YoukuSection section, uint32_t flag) {
  size_t start = finder_.Find(startMarker);
  if (start == kNotFound) return false;
  size_t end = finder_.Find(endMarker, start);
  if (end == kNotFound) return false;
  size_t block = finder_.Find(kSeries, start);
  if (block == kNotFound || block >= end) return false;
  result_.flags |= flag;
  auto& entries = result_.Section(section);
  while (block < end) {
    size_t blockEnd = BlockEnd(kSeries, block, end);
    SectionEntry entry;
    bool complete = SeriesEntry(block, blockEnd, entry);
    // An entry whose episode links broke off keeps the episodes before.
    if (!entry.groups.empty()) entries.push_back(std::move(entry));
    if (!complete) break;
    block = blockEnd;
  }
  return true;
}

bool YoukuSectionParser::Episodes() {
  return SeriesEntries(kEpisodesStart, kEpisodesEnd, YoukuSection::kEpisodes, kFlagEpisodes);
}

bool YoukuSectionParser::Variety() {
  return SeriesEntries(kVarietyStart, kVarietyEnd, YoukuSection::kVariety, kFlagVariety);
}

}  // namespace tarvo::video
