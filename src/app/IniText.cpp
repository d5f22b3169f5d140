#include "app/IniText.h"

#include "platform/text/CodePage.h"

namespace tarvo::ini {
namespace {

bool IsHeaderOf(WStringView line, WStringView section) {
  return line.size() >= section.size() + 2 && line[0] == u'[' &&
         line.substr(1, section.size()) == section && line[section.size() + 1] == u']';
}

bool IsSkipped(WStringView line) { return line.empty() || line[0] == u';'; }

bool StartsSection(WStringView line) { return !line.empty() && line[0] == u'['; }

}  // namespace

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(pos));  // the last line has no line end
      break;
    }
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    pos = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::optional<size_t> MatchKey(WStringView line, WStringView key) {
  if (line.size() <= key.size() || line.substr(0, key.size()) != key) return std::nullopt;
  size_t pos = key.size();
  while (pos < line.size() && line[pos] == u' ') ++pos;
  if (pos >= line.size() || line[pos] != u'=') return std::nullopt;
  ++pos;
  while (pos < line.size() && line[pos] == u' ') ++pos;
  return pos;
}

std::optional<WString> FindValue(const std::vector<std::string>& lines, WStringView section,
                                 WStringView key, std::string_view codePage) {
  size_t i = 0;
  for (; i < lines.size(); ++i) {
    if (IsHeaderOf(FromCodePage(lines[i], codePage), section)) break;
  }
  for (++i; i < lines.size(); ++i) {
    const WString line = FromCodePage(lines[i], codePage);
    if (IsSkipped(line)) continue;
    if (StartsSection(line)) return std::nullopt;
    if (auto start = MatchKey(line, key)) {
      WString value = line.substr(*start);
      while (!value.empty() && value.back() == u' ') value.pop_back();
      return value;
    }
  }
  return std::nullopt;
}

std::vector<std::string> SetValue(std::vector<std::string> lines, WStringView section,
                                  WStringView key, WStringView value,
                                  std::string_view codePage) {
  const std::string newLine = ToCodePage(WString(key) + u"=" + WString(value), codePage);
  size_t header = 0;
  for (; header < lines.size(); ++header) {
    if (IsHeaderOf(FromCodePage(lines[header], codePage), section)) break;
  }
  if (header < lines.size()) {
    for (size_t i = header + 1; i < lines.size(); ++i) {
      const WString line = FromCodePage(lines[i], codePage);
      if (IsSkipped(line)) continue;
      if (StartsSection(line)) break;
      if (MatchKey(line, key)) {
        lines[i] = newLine;
        return lines;
      }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header) + 1, newLine);
    return lines;
  }
  if (!lines.empty() && !lines.back().empty()) lines.emplace_back();
  lines.push_back(ToCodePage(u"[" + WString(section) + u"]", codePage));
  lines.push_back(newLine);
  return lines;
}

bool IsRefusedWrite(WStringView section, WStringView key, WStringView value) {
  auto hasLineBreak = [](WStringView text) { return text.find_first_of(u"\r\n") != WStringView::npos; };
  return hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) ||
         section.find(u']') != WStringView::npos || key.find(u'=') != WStringView::npos;
}

std::optional<int> ParseLeadingInt(WStringView text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == u' ' || (text[pos] >= u'\t' && text[pos] <= u'\r')))
    ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
    negative = text[pos] == u'-';
    ++pos;
  }
  if (pos >= text.size() || text[pos] < u'0' || text[pos] > u'9') return std::nullopt;
  long long value = 0;
  for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos) {
    value = value * 10 + (text[pos] - u'0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace tarvo::ini
