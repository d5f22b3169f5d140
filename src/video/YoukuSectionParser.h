#pragma once
// The section parsers behind ParseYoukuPage, sharing one marker finder over
// the page. Each returns whether it found its block; a field that cannot be
// cut ends its section's walk and keeps what was collected.
#include <vector>

#include "video/MarkerFinder.h"
#include "video/YoukuResult.h"

namespace tarvo::video {

class YoukuSectionParser {
 public:
  YoukuSectionParser(WStringView text, WStringView youkuSite, YoukuResult& result)
      : finder_(text), site_(youkuSite), result_(result) {}

  MarkerFinder& Finder() { return finder_; }

  bool SeriesProgrammes();
  bool Person();
  bool Programmes();
  bool Films();
  bool TvSeries();
  bool Episodes();
  bool Variety();
  bool PlainVideos();

 private:
  // The text between ">" and "</a>" of every "<a" from position up to the
  // next "</div>"; position moves to that "</div>" (or stays when none).
  std::vector<WString> LinkTexts(size_t& position, size_t limit, bool firstOnly);
  // Episodes of the links from position to the next "class="clear"" (or
  // limit); position moves past that marker. False when a cut fails.
  bool LinkList(size_t& position, size_t limit, EpisodeGroup& group);
  bool TvSeriesBlock(size_t start, size_t end);
  bool SeriesEntries(WStringView startMarker, WStringView endMarker, YoukuSection section,
                     uint32_t flag);
  bool SeriesEntry(size_t start, size_t end, SectionEntry& entry);
  // The end of the block starting at start: the next blockMarker before end, else end.
  size_t BlockEnd(WStringView blockMarker, size_t start, size_t end);

  MarkerFinder finder_;
  WStringView site_;
  YoukuResult& result_;
};

}  // namespace tarvo::video
