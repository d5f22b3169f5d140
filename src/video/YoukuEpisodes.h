#pragma once
// Completing a section's episodes from the Youku site: the episode-list pages
// with their pager, and the single-video page of a feature or trailer.
#include <optional>
#include <vector>

#include "platform/text/WString.h"
#include "video/PageFetcher.h"
#include "video/VideoRecord.h"
#include "video/YoukuResult.h"

namespace tarvo::video {

struct EpisodeListPage {
  std::vector<VideoRecord> episodes;  // title and url
  WString next;                       // path of the next page, empty on the last
};

// One page of an episode list. A six-digit name (a yymmdd date) reads
// 20yy-mm-dd.
EpisodeListPage ParseEpisodeListPage(WStringView text);

// Title (blanks removed) and link of a single-video page; nullopt when a
// marker is missing.
std::optional<VideoRecord> ParseSingleVideoPage(WStringView text);

// "yymmdd" as "20yy-mm-dd"; any other name as it is.
WString RewriteDateName(WStringView name);

// Statuses of an entry that is one video rather than a show with episodes.
bool IsSingleVideoStatus(WStringView status);

// An episode list is followed through at most this many pages.
inline constexpr int kMaxEpisodeListPages = 100;

// Fills the groups of every entry in order: a show gets one group holding its
// whole episode list (following the pager on youkuSite, at most
// kMaxEpisodeListPages pages and never a path twice); a feature or trailer
// gets a group of its one video, or none when its page lacks a marker. False
// when a page brings no body or a show's list is empty.
bool CompleteEpisodes(std::vector<SectionEntry>& entries, WStringView youkuSite,
                      const PageFetcher& fetch);

}  // namespace tarvo::video
