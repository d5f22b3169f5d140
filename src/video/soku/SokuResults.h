#pragma once
// The parsed Soku result page: ordinary items and four category lists.
#include <cstdint>
#include <vector>

#include "platform/text/WString.h"
#include "video/VideoRecord.h"

namespace tarvo::soku {

using video::VideoRecord;

// A labelled run of items (a tab or block of episodes).
struct SokuGroup {
  std::vector<VideoRecord> items;
  WString label;

  bool operator==(const SokuGroup&) const = default;
};

// One category entry: a series, a film, a show.
struct SokuSeries {
  WString title;
  WString url;  // SokuBase + link; empty when built from items in place
  WString image;
  std::vector<SokuGroup> groups;

  bool operator==(const SokuSeries&) const = default;
};

enum SokuFlags : uint32_t {
  kSokuPerson = 1,
  kSokuMultiLink = 2,
  kSokuTv = 16,
  kSokuMovie = 32,
  kSokuVariety = 64,
  kSokuCartoon = 128,
  kSokuItems = 256,
};

// Result codes of ParseSokuPage.
inline constexpr int kSokuFound = 1;
inline constexpr int kSokuNoResults = 0;
inline constexpr int kSokuFailed = -1;
inline constexpr int kSokuSiteFault = -2;

// Layouts of the episode blocks.
inline constexpr int kTabLayout = 0;
inline constexpr int kLabelLayout = 1;

struct SokuResults {
  std::vector<VideoRecord> items;
  std::vector<SokuSeries> tv;
  std::vector<SokuSeries> movie;
  std::vector<SokuSeries> variety;
  std::vector<SokuSeries> cartoon;
  uint32_t flags = 0;

  void Clear() { *this = SokuResults(); }
};

}  // namespace tarvo::soku
