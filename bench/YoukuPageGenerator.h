#pragma once
// A Youku-style result page of about the given size: every section, then as
// many plain videos as fill it. Bigger pages hold proportionally more blocks.
#include <string>

namespace tarvo::bench {

struct GeneratedPage {
  std::string bytes;  // UTF-8
  size_t plainVideos = 0;
  size_t blocksPerSection = 0;
};

GeneratedPage GenerateYoukuPage(size_t bytes);

}  // namespace tarvo::bench
