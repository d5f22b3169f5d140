#include "launcher/TickerLead.h"

#include <algorithm>

#include "platform/text/Format.h"

namespace tarvo {
namespace {

constexpr char16_t kShowKey[] = u"show";
constexpr char16_t kFrequencyKey[] = u"frequency";
constexpr char16_t kTypeKey[] = u"type";
constexpr char16_t kCountKey[] = u"count";
constexpr char16_t kTotalKey[] = u"total%d";
constexpr char16_t kStartKey[] = u"start%d";
constexpr char16_t kEndKey[] = u"end%d";
constexpr char16_t kStepKey[] = u"step%d";
constexpr char16_t kValueEnd = u';';

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int ScanDecimal(WStringView text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long long number = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    number = std::min(number * 10 + (text[i] - u'0'), 2147483648LL);
  }
  if (negative) number = -number;
  return static_cast<int>(std::clamp(number, -2147483648LL, 2147483647LL));
}

}  // namespace

std::optional<WString> FindTickerValue(WStringView text, WStringView key) {
  if (key.empty()) return std::nullopt;
  size_t at = text.find(key);
  if (at == WStringView::npos) return std::nullopt;
  size_t start = at + key.size() + 1;
  if (start > text.size()) return std::nullopt;
  size_t end = text.find(kValueEnd, start);
  if (end == WStringView::npos) return std::nullopt;
  return WString(text.substr(start, end - start));
}

int FindTickerInt(WStringView text, WStringView key) {
  auto value = FindTickerValue(text, key);
  return value ? ScanDecimal(*value) : 0;
}

bool IsValidTickerLead(WStringView text) {
  return text.find(kShowKey) != WStringView::npos && text.find(kFrequencyKey) != WStringView::npos;
}

std::optional<TickerConfig> ParseTickerLead(WStringView text) {
  if (!IsValidTickerLead(text)) return std::nullopt;
  TickerConfig config;
  config.show = FindTickerInt(text, kShowKey);
  config.frequency = FindTickerInt(text, kFrequencyKey);
  config.types = FindTickerInt(text, kTypeKey);
  config.groupCount = FindTickerInt(text, kCountKey);
  int groups = std::min(config.groupCount, kMaxTickerGroups);
  for (int i = 1; i <= groups; ++i) {
    MessageGroup group{FindTickerInt(text, Format(kTotalKey, i)),
                       FindTickerInt(text, Format(kStartKey, i)),
                       FindTickerInt(text, Format(kEndKey, i)),
                       FindTickerInt(text, Format(kStepKey, i))};
    if (group.total >= 1 && group.start >= 1 && group.start <= group.end && group.step >= 1) {
      config.groups.push_back(group);
    }
  }
  return config;
}

}  // namespace tarvo
