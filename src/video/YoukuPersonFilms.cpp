// The person block, whose shows are sorted into sections by their status,
// and the film blocks.
#include "video/TextCut.h"
#include "video/YoukuMarkers.h"
#include "video/YoukuSectionParser.h"

namespace tarvo::video {
namespace {

using namespace youku;

constexpr char16_t kActorResult[] = u"class=\"actorResult\"";
constexpr char16_t kInnerTab[] = u"class=\"innerTab\"";
constexpr char16_t kShows[] = u"class=\"shows\"";
constexpr char16_t kShow[] = u"class=\"show\"";
constexpr char16_t kMovieResult[] = u"class=\"movieResult\"";

struct StatusRoute {
  const char16_t* status;
  YoukuSection section;
  uint32_t flag;
};
constexpr StatusRoute kPersonRoutes[] = {
    {u"热播", YoukuSection::kHot, kFlagHot},
    {u"电影", YoukuSection::kFilms, kFlagFilms},
    {u"电视剧", YoukuSection::kTvSeries, kFlagTvSeries},
    {u"综艺", YoukuSection::kVariety, kFlagVariety},
    {u"预告片", YoukuSection::kTrailers, kFlagTrailers},
};

}  // namespace

std::vector<WString> YoukuSectionParser::LinkTexts(size_t& position, size_t limit,
                                                   bool firstOnly) {
  std::vector<WString> texts;
  size_t divEnd = finder_.Find(kDivClose, position, limit == kNotFound ? kNotFound : limit + 1);
  if (divEnd == kNotFound) return texts;
  size_t at = position;
  WString text;
  for (;;) {
    size_t link = finder_.Find(kLinkOpen, at, divEnd);
    if (link == kNotFound) break;
    if (!finder_.Cut(link, kTagEnd, kLinkClose, text, divEnd)) break;
    texts.push_back(text);
    at = link;
    if (firstOnly) break;
  }
  position = divEnd;
  return texts;
}

// The person's photo and tabs, then the shows between "class="shows"" and
// "class="clear"": link, title and status each; the status picks the section.
bool YoukuSectionParser::Person() {
  size_t start = finder_.Find(kActorResult);
  if (start == kNotFound) return false;
  size_t position = start;
  if (!finder_.Cut(position, kSrc, kQuote, result_.personPhoto)) return true;
  size_t tabs = finder_.Find(kInnerTab, position);
  if (tabs != kNotFound) {
    size_t at = tabs;
    result_.personTabs = LinkTexts(at, kNotFound, false);
  }
  size_t shows = finder_.Find(kShows, position);
  if (shows == kNotFound) return true;
  size_t clear = finder_.Find(kClear, shows);
  if (clear == kNotFound) return true;
  result_.flags |= kFlagPerson;
  size_t show = finder_.Find(kShow, shows, clear);
  while (show != kNotFound && show < clear) {
    size_t showEnd = BlockEnd(kShow, show, clear);
    size_t at = show;
    SectionEntry entry;
    if (!finder_.Cut(at, kHref, kQuote, entry.url, showEnd) ||
        !finder_.Cut(at, kTitleAttr, kQuote, entry.title, showEnd) ||
        !finder_.Cut(at, kStatus, kTagStart, entry.status, showEnd)) {
      break;
    }
    for (const StatusRoute& route : kPersonRoutes) {
      if (entry.status != route.status) continue;
      result_.flags |= route.flag;
      result_.Section(route.section).push_back(entry);
      break;
    }
    show = showEnd < clear ? showEnd : kNotFound;
  }
  return true;
}

// "class="movieResult"" blocks up to the programme end marker: title, link,
// thumbnail and status of one film each.
bool YoukuSectionParser::Films() {
  size_t block = finder_.Find(kMovieResult);
  if (block == kNotFound) return false;
  size_t end = finder_.Find(kProgrammesEnd, block);
  if (end == kNotFound) return false;
  result_.flags |= kFlagFilms;
  auto& entries = result_.Section(YoukuSection::kFilms);
  while (block < end) {
    size_t blockEnd = BlockEnd(kMovieResult, block, end);
    size_t position = block;
    SectionEntry entry;
    if (!finder_.Cut(position, kTitleAttr, kQuote, entry.title, blockEnd) ||
        !finder_.Cut(position, kHref, kQuote, entry.url, blockEnd) ||
        !finder_.Cut(position, kSrc, kQuote, entry.thumb, blockEnd) ||
        !finder_.Cut(position, kStatus, kTagStart, entry.status, blockEnd)) {
      break;
    }
    entries.push_back(std::move(entry));
    block = blockEnd;
  }
  return true;
}

}  // namespace tarvo::video
