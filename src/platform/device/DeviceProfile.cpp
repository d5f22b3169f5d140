#include "platform/device/DeviceProfile.h"

#include <cstdlib>

namespace tarvo {
namespace {

std::string Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t' || text[begin] == '\r')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r'))
    --end;
  return std::string(text.substr(begin, end - begin));
}

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

bool SameAsciiIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

DeviceProfile DeviceProfile::Parse(std::string_view utf8) {
  DeviceProfile profile;
  Section* current = nullptr;
  size_t pos = 0;
  while (pos <= utf8.size()) {
    size_t end = utf8.find('\n', pos);
    if (end == std::string_view::npos) end = utf8.size();
    std::string line = Trim(utf8.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string name = Trim(line.substr(1, close == std::string::npos ? std::string::npos
                                                                          : close - 1));
      current = nullptr;
      for (auto& section : profile.sections_) {
        if (SameAsciiIgnoringCase(section.name, name)) current = &section;
      }
      if (current == nullptr) {
        profile.sections_.push_back({name, {}});
        current = &profile.sections_.back();
      }
      continue;
    }
    size_t equals = line.find('=');
    if (current == nullptr || equals == std::string::npos) continue;
    current->entries.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
  }
  return profile;
}

std::optional<std::string> DeviceProfile::Get(std::string_view section,
                                              std::string_view key) const {
  for (const auto& s : sections_) {
    if (!SameAsciiIgnoringCase(s.name, section)) continue;
    for (const auto& [name, value] : s.entries) {
      if (SameAsciiIgnoringCase(name, key)) return value;
    }
  }
  return std::nullopt;
}

std::string DeviceProfile::GetOr(std::string_view section, std::string_view key,
                                 std::string fallback) const {
  auto value = Get(section, key);
  return value ? *value : fallback;
}

int DeviceProfile::GetInt(std::string_view section, std::string_view key, int fallback) const {
  auto value = Get(section, key);
  if (!value || value->empty()) return fallback;
  char* end = nullptr;
  long parsed = std::strtol(value->c_str(), &end, 10);
  if (end == value->c_str() || *end != '\0' || parsed < -2147483647L || parsed > 2147483647L)
    return fallback;
  return static_cast<int>(parsed);
}

bool DeviceProfile::HasSection(std::string_view section) const {
  for (const auto& s : sections_) {
    if (SameAsciiIgnoringCase(s.name, section)) return true;
  }
  return false;
}

DeviceProfile::Entries DeviceProfile::SectionEntries(std::string_view section) const {
  for (const auto& s : sections_) {
    if (SameAsciiIgnoringCase(s.name, section)) return s.entries;
  }
  return {};
}

std::vector<std::string> DeviceProfile::List(std::string_view section,
                                             std::string_view key) const {
  std::vector<std::string> items;
  std::string text = GetOr(section, key, "");
  size_t pos = 0;
  while (pos <= text.size() && !text.empty()) {
    size_t comma = text.find(',', pos);
    if (comma == std::string::npos) comma = text.size();
    std::string item = Trim(std::string_view(text).substr(pos, comma - pos));
    if (!item.empty()) items.push_back(item);
    pos = comma + 1;
  }
  return items;
}

}  // namespace tarvo
