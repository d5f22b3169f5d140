#pragma once
// The ticker's server files: the lead file that configures the ticker and
// names the message groups, and the message list files. Values are found by
// plain text search: the text after the first occurrence of the key's name
// (one character, the "=", skipped) up to the next ";".
#include <optional>
#include <vector>

#include "platform/text/WString.h"

namespace tarvo {

// Groups past this many are ignored, and a group's files are cut to this many.
inline constexpr int kMaxTickerGroups = 100;
inline constexpr int kMaxTickerGroupFiles = 100;

// Bits of TickerConfig::types.
inline constexpr int kTickerJokes = 1;
inline constexpr int kTickerRepeat = 2;
inline constexpr int kTickerMessages = 4;

struct MessageGroup {
  int total = 0;
  int start = 0;
  int end = 0;
  int step = 0;
  bool operator==(const MessageGroup&) const = default;
};

// The configuration before the first successful refresh: ticker shown, jokes only.
struct TickerConfig {
  int show = 1;
  int frequency = 1440;  // minutes
  int types = kTickerJokes;
  int groupCount = 1;
  std::vector<MessageGroup> groups;
};

// The value of key; nullopt when the key is absent or no ";" follows it.
std::optional<WString> FindTickerValue(WStringView text, WStringView key);
// "%d" of the value; 0 when absent, empty or not a number.
int FindTickerInt(WStringView text, WStringView key);

// A lead file counts only when it names both "show" and "frequency".
bool IsValidTickerLead(WStringView text);

// The configuration of a valid lead file; nullopt for an invalid one. Only
// groups with total, start and step of at least 1 and start ≤ end are kept.
std::optional<TickerConfig> ParseTickerLead(WStringView text);

}  // namespace tarvo
