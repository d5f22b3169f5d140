#include "jokes/JokeStore.h"

#include <algorithm>

#include "app/IniText.h"
#include "platform/text/CodePage.h"

namespace tarvo {
namespace {

constexpr char16_t kLeadSection[] = u"Info";
constexpr char16_t kStepKey[] = u"Step";
constexpr char16_t kEndKey[] = u"End";

int LeadValue(const std::vector<std::string>& lines, WStringView key, std::string_view codePage) {
  auto value = ini::FindValue(lines, kLeadSection, key, codePage);
  return value ? ini::ParseLeadingInt(*value).value_or(0) : 0;
}

}  // namespace

JokeLead ParseJokeLead(std::string_view bytes, std::string_view codePage) {
  JokeLead lead;
  WString text = FromCodePage(bytes, codePage);
  lead.valid = text.find(kStepKey) != WString::npos && text.find(kEndKey) != WString::npos;
  auto lines = ini::SplitLines(bytes);
  lead.step = LeadValue(lines, kStepKey, codePage);
  lead.end = LeadValue(lines, kEndKey, codePage);
  lead.usable = lead.valid && lead.step >= 1 && lead.step <= kMaxJokeStep && lead.end >= 1 &&
                lead.end <= kMaxJokeEnd;
  return lead;
}

JokeStart JokeStartPosition(int lastRead, int step) {
  if (lastRead < 2 || step < 1) return {};
  return {(lastRead - 1) / step + 1, (lastRead - 1) % step};
}

std::vector<JokeVisit> JokeWideningOrder(int startFile, int end) {
  std::vector<JokeVisit> visits;
  if (end < 1 || end > kMaxJokeEnd) return visits;
  // Wide enough that start files far outside the range cannot overflow.
  long long lower = std::min<long long>(static_cast<long long>(startFile) - 1, end);
  long long upper = static_cast<long long>(startFile) + 1;
  while (lower >= 1 || upper <= end) {
    if (lower >= 1) visits.push_back({static_cast<int>(lower), true});
    if (upper <= end) visits.push_back({static_cast<int>(upper), false});
    --lower;
    ++upper;
  }
  return visits;
}

}  // namespace tarvo
