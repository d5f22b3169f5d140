#pragma once
// Shared by the video subcommands of tarvo-probe: the outside hosts (device
// profile, overridden by flags) and the JSON forms of the parsed records.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "main/probe/ProbeCommand.h"
#include "video/VideoRecord.h"
#include "video/YoukuResult.h"
#include "video/soku/SokuResults.h"

namespace tarvo::probe {

using OrderedJson = nlohmann::ordered_json;

struct VideoHosts {
  WString sokuBase;
  WString youkuSearch;
  WString youkuSite;
  WString hotServer;
  WString parsePage;
  std::vector<WString> hotChannels;
};

// Takes --soku-base, --youku-search, --youku-site, --hot-server and --parse-page from the
// arguments; what they leave open comes from the profile of --device (when
// given), else stays empty. nullopt (reason printed) when the device cannot
// be opened.
std::optional<VideoHosts> TakeVideoHosts(ProbeContext& context);

// The page file as text (UTF-8 bytes converted); nullopt (reason printed)
// when unreadable.
std::optional<WString> ReadPageText(ProbeContext& context, const std::string& path);

void PrintOrderedJson(ProbeContext& context, const OrderedJson& value);

OrderedJson VideoJson(const video::VideoRecord& video);
OrderedJson EntryJson(const video::SectionEntry& entry);
OrderedJson EpisodesJson(const std::vector<video::VideoRecord>& episodes);
OrderedJson SokuItemsJson(const std::vector<video::VideoRecord>& items);
OrderedJson SokuGroupsJson(const std::vector<soku::SokuGroup>& groups);
OrderedJson SokuSeriesJson(const soku::SokuSeries& series);

}  // namespace tarvo::probe
