#include "app/UpdateDecision.h"

#include "app/IniText.h"
#include "platform/text/CodePage.h"

namespace tarvo {
namespace {

int ReadIntValue(const std::vector<std::string>& lines, WStringView section, WStringView key,
                 int fallback, std::string_view codePage) {
  auto value = ini::FindValue(lines, section, key, codePage);
  if (!value) return fallback;
  return ini::ParseLeadingInt(*value).value_or(fallback);
}

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// "%d" at position i: white space, sign, digits. nullopt when no digits
// follow or the number leaves the 32-bit range.
std::optional<int> ScanInt(WStringView text, size_t& i) {
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  size_t start = i;
  long long number = 0;
  while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
    number = number * 10 + (text[i++] - u'0');
    if (number > 2147483648LL) return std::nullopt;
  }
  if (i == start) return std::nullopt;
  if (negative) number = -number;
  if (number > 2147483647LL) return std::nullopt;
  return static_cast<int>(number);
}

}  // namespace

std::vector<WString> CollectChannelSections(WStringView text) {
  std::vector<WString> names;
  size_t position = text.find(u'[');
  while (position != WStringView::npos) {
    size_t open = text.find(u'[', position + 1);
    if (open == WStringView::npos) break;
    size_t close = text.find(u']', open + 1);
    if (close == WStringView::npos) break;  // no later "[" can have one either
    names.emplace_back(text.substr(open + 1, close - open - 1));
    position = close;
  }
  return names;
}

WString ChooseUpdateSection(std::string_view descriptionBytes, WStringView channel,
                            std::string_view codePage) {
  if (channel.empty()) return kUpdateSection;
  auto lines = ini::SplitLines(descriptionBytes);
  for (const WString& name : CollectChannelSections(FromCodePage(descriptionBytes, codePage))) {
    if (name == channel && ReadIntValue(lines, channel, u"isValid", 0, codePage) != 0) {
      return WString(channel);
    }
  }
  return kUpdateSection;
}

VersionNumber ParseVersion(WStringView text) {
  VersionNumber version;
  size_t i = 0;
  auto major = ScanInt(text, i);
  if (!major) return version;
  version.major = *major;
  if (i >= text.size() || text[i] != u'.') return version;
  ++i;
  version.minor = ScanInt(text, i).value_or(0);
  return version;
}

bool IsNewerVersion(WStringView offered, WStringView current) {
  VersionNumber a = ParseVersion(offered);
  VersionNumber b = ParseVersion(current);
  return a.major > b.major || (a.major == b.major && a.minor > b.minor);
}

UpdateDecision DecideUpdate(std::string_view descriptionBytes, WStringView channel,
                            WStringView appVersion, std::string_view codePage) {
  UpdateDecision decision;
  decision.section = ChooseUpdateSection(descriptionBytes, channel, codePage);
  auto lines = ini::SplitLines(descriptionBytes);
  WString version =
      ini::FindValue(lines, decision.section, u"Version", codePage).value_or(WString());
  if (version.size() > kVersionCapacity - 1) version.resize(kVersionCapacity - 1);
  decision.version = version;
  decision.isValid = ReadIntValue(lines, decision.section, u"isValid", 0, codePage);
  decision.isSilence = ReadIntValue(lines, decision.section, u"isSilence", 1, codePage);
  decision.newer = IsNewerVersion(decision.version, appVersion);
  if (decision.isValid == 1 && decision.newer) {
    decision.action = decision.isSilence == 0 ? UpdateAction::kAsk : UpdateAction::kSilent;
  }
  return decision;
}

}  // namespace tarvo
