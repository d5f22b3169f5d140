#pragma once
// The parsed Youku result page: which sections it held, the plain videos and
// the entries of each section.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/text/WString.h"
#include "video/VideoRecord.h"

namespace tarvo::video {

// A named run of episodes: one fetched episode list, or one single video.
struct EpisodeGroup {
  WString name;
  std::vector<VideoRecord> episodes;  // title and url filled

  bool operator==(const EpisodeGroup&) const = default;
};

// One show of a section.
struct SectionEntry {
  WString title;
  WString url;
  WString thumb;
  WString status;
  std::vector<EpisodeGroup> groups;

  bool operator==(const SectionEntry&) const = default;
};

// Section flags of the result page.
enum YoukuFlag : uint32_t {
  kFlagSeriesProgrammes = 0x001,
  kFlagPerson = 0x002,
  kFlagProgrammes = 0x004,
  kFlagFilms = 0x008,
  kFlagTvSeries = 0x010,
  kFlagEpisodes = 0x020,
  kFlagVariety = 0x040,
  kFlagPlainVideos = 0x100,
  kFlagHot = 0x200,
  kFlagTrailers = 0x400,
};

// Sections in the order of their header rows.
enum class YoukuSection {
  kSeriesProgrammes,
  kProgrammes,
  kHot,
  kFilms,
  kTvSeries,
  kVariety,
  kTrailers,
  kEpisodes,
};
inline constexpr size_t kYoukuSectionCount = 8;

struct YoukuSectionInfo {
  YoukuSection section;
  uint32_t flag;
  const char16_t* header;
};
// Header-row order, flag and header text of every section.
extern const std::array<YoukuSectionInfo, kYoukuSectionCount> kYoukuSections;

// Parse status of a result page.
inline constexpr int kStatusFound = 1;
inline constexpr int kStatusNoResults = 0;
inline constexpr int kStatusFailed = -1;
inline constexpr int kStatusSiteFault = -2;
inline constexpr int kStatusWithheld = -3;

struct YoukuResult {
  uint32_t flags = 0;
  std::vector<VideoRecord> videos;
  std::array<std::vector<SectionEntry>, kYoukuSectionCount> sections;
  // The person block's photo and tab labels, when the page had one.
  WString personPhoto;
  std::vector<WString> personTabs;

  std::vector<SectionEntry>& Section(YoukuSection s) { return sections[static_cast<size_t>(s)]; }
  const std::vector<SectionEntry>& Section(YoukuSection s) const {
    return sections[static_cast<size_t>(s)];
  }
  void Clear();
  // Header rows of the list: one per section whose flag is set, in order.
  size_t HeaderRowCount() const;
};

// 1 when the page text has no "下一页" (next page) link text, else 0.
int NoNextPage(WStringView pageText);

}  // namespace tarvo::video
