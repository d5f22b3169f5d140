#pragma once
// The parsers of SokuParsers.h over one page, sharing one marker finder so
// that nested parses never rescan the page for a marker already looked for.
#include "video/MarkerFinder.h"
#include "video/soku/SokuResults.h"

namespace tarvo::soku {

using video::kNotFound;

class SokuParser {
 public:
  SokuParser(WStringView page, WStringView sokuBase, SokuResults* results)
      : finder_(page), base_(sokuBase), results_(results) {}

  video::MarkerFinder& Finder() { return finder_; }

  int Page();
  bool ItemList(size_t start, size_t end, std::vector<VideoRecord>& items);
  bool Section(size_t start, size_t end, std::vector<SokuSeries>& list);
  bool PersonBlock();
  bool EpisodeBlocks(SokuSeries& series, int layout);

 private:
  bool SectionInPlace(size_t start, size_t end, std::vector<SokuSeries>& list);
  std::vector<WString> TabLabels(size_t anchor);

  video::MarkerFinder finder_;
  WStringView base_;
  SokuResults* results_;
};

}  // namespace tarvo::soku
