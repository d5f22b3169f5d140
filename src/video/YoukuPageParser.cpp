#include "video/YoukuPageParser.h"

#include "video/TextCut.h"
#include "video/YoukuMarkers.h"
#include "video/YoukuSectionParser.h"

namespace tarvo::video {
namespace {

using namespace youku;

constexpr char16_t kWithheldNotice[] =
    u"搜索结果可能涉及不符合相关法律法规和政策的内容，未予显示。";
constexpr char16_t kNoResults[] = u"<!--无结果-->";
constexpr char16_t kSiteFault[] = u"网站遇到临时故障";

constexpr char16_t kSeriesStart[] = u"<!--系列节目-->";
constexpr char16_t kSeriesEnd[] = u"<!--系列节目结束-->";
constexpr char16_t kProgrammesStart[] = u"<!--节目-->";
constexpr char16_t kVarietyResult[] = u"class=\"varietyResult\"";
constexpr char16_t kYear[] = u"class=\"year\"";
constexpr char16_t kListEnd[] = u"</ul>";
constexpr char16_t kApostrophe[] = u"'";
constexpr char16_t kItemEnd[] = u"</li>";
constexpr char16_t kTitleClass[] = u"class=\"title\"";
constexpr char16_t kShowIdStart[] = u"id_z";
constexpr char16_t kShowIdEnd[] = u".html";

constexpr char16_t kEpisodeListPath[] = u"/show_eplist/showid_z";
constexpr char16_t kEpisodeListSuffix[] = u"_type_list.html";

}  // namespace

WString EpisodeListUrl(WStringView youkuSite, WStringView showId) {
  WString url(youkuSite);
  url += kEpisodeListPath;
  url += showId;
  url += kEpisodeListSuffix;
  return url;
}

int ParseYoukuPage(WStringView text, YoukuResult& result, WStringView youkuSite) {
  if (text.empty()) return kStatusFailed;
  YoukuSectionParser parser(text, youkuSite, result);
  MarkerFinder& finder = parser.Finder();
  if (finder.Contains(kWithheldNotice)) return kStatusWithheld;
  if (finder.Contains(kNoResults)) return kStatusNoResults;
  if (finder.Contains(kSiteFault)) return kStatusSiteFault;
  result.Clear();
  bool found = false;
  found |= parser.SeriesProgrammes();
  found |= parser.Person();
  found |= parser.Programmes();
  found |= parser.Films();
  found |= parser.TvSeries();
  found |= parser.Episodes();
  found |= parser.Variety();
  found |= parser.PlainVideos();
  return found ? kStatusFound : kStatusFailed;
}

size_t YoukuSectionParser::BlockEnd(WStringView blockMarker, size_t start, size_t end) {
  size_t next = finder_.Find(blockMarker, start + blockMarker.size(), end);
  return next < end ? next : end;
}

// One block from the first "class="varietyResult"" to the end marker: a
// thumbnail, then the years list whose every item is one show.
bool YoukuSectionParser::SeriesProgrammes() {
  size_t start = finder_.Find(kSeriesStart);
  if (start == kNotFound) return false;
  size_t end = finder_.Find(kSeriesEnd, start + WStringView(kSeriesStart).size());
  if (end == kNotFound) return false;
  size_t block = finder_.Find(kVarietyResult, start);
  if (block == kNotFound || block >= end) return false;
  result_.flags |= kFlagSeriesProgrammes;
  auto& entries = result_.Section(YoukuSection::kSeriesProgrammes);
  size_t position = block;
  WString thumb;
  if (!finder_.Cut(position, kSrc, kQuote, thumb, end)) return true;
  size_t year = finder_.Find(kYear, position, end);
  if (year == kNotFound) return true;
  size_t listEnd = finder_.Find(kListEnd, year, end + 1);
  if (listEnd == kNotFound) return true;
  position = year;
  WString showId, label;
  while (finder_.Cut(position, kApostrophe, kApostrophe, showId, listEnd) &&
         finder_.Cut(position, kTagEnd, kItemEnd, label, listEnd)) {
    entries.push_back(SectionEntry{label, EpisodeListUrl(site_, showId), thumb, {}, {}});
  }
  return true;
}

// "class="varietyResult"" blocks between the programme markers: thumbnail,
// show id and title of one show each.
bool YoukuSectionParser::Programmes() {
  size_t start = finder_.Find(kProgrammesStart);
  if (start == kNotFound) return false;
  size_t end = finder_.Find(kProgrammesEnd, start);
  if (end == kNotFound) return false;
  size_t block = finder_.Find(kVarietyResult, start);
  if (block == kNotFound || block >= end) return false;
  result_.flags |= kFlagProgrammes;
  auto& entries = result_.Section(YoukuSection::kProgrammes);
  while (block < end) {
    size_t blockEnd = BlockEnd(kVarietyResult, block, end);
    size_t position = block;
    WString thumb, showId, title;
    if (!finder_.Cut(position, kSrc, kQuote, thumb, blockEnd)) break;
    size_t titleAt = finder_.Find(kTitleClass, position, blockEnd);
    if (titleAt == kNotFound) break;
    position = titleAt;
    if (!finder_.Cut(position, kShowIdStart, kShowIdEnd, showId, blockEnd)) break;
    if (!finder_.Cut(position, kTagEnd, kLinkClose, title, blockEnd)) break;
    StripHighlight(title);
    entries.push_back(SectionEntry{title, EpisodeListUrl(site_, showId), thumb, {}, {}});
    block = blockEnd;
  }
  return true;
}

}  // namespace tarvo::video
