#include "app/IniFile.h"

#include "app/IniText.h"
#include "platform/text/Format.h"

namespace tarvo {

IniFile::IniFile(FileAccess& files, std::string codePage)
    : files_(files), codePage_(std::move(codePage)) {}

size_t IniFile::ReadString(WStringView section, WStringView key, const WString* defaultValue,
                           WString& buffer, size_t capacity, WStringView path) const {
  std::optional<WString> value;
  if (auto bytes = files_.ReadAll(path)) {
    value = ini::FindValue(ini::SplitLines(*bytes), section, key, codePage_);
  }
  if (!value) value = defaultValue != nullptr ? *defaultValue : WString();
  buffer = capacity == 0 ? WString() : value->substr(0, capacity - 1);
  return buffer.size();
}

WString IniFile::ReadString(WStringView section, WStringView key, WStringView defaultValue,
                            size_t capacity, WStringView path) const {
  WString fallback(defaultValue), buffer;
  ReadString(section, key, &fallback, buffer, capacity, path);
  return buffer;
}

int IniFile::ReadInt(WStringView section, WStringView key, int defaultValue,
                     WStringView path) const {
  WString buffer;
  if (ReadString(section, key, nullptr, buffer, 1025, path) == 0) return defaultValue;
  return ini::ParseLeadingInt(buffer).value_or(defaultValue);
}

int IniFile::WriteString(WStringView section, WStringView key, WStringView value,
                         WStringView path) {
  if (ini::IsRefusedWrite(section, key, value)) return 0;
  // Another writer (a thread, or tarvo-probe beside tarvo) could rewrite the
  // file between our read and our write and lose its key or ours.
  const auto lock = files_.LockFolderOf(path);
  std::vector<std::string> lines;
  if (auto bytes = files_.ReadAll(path)) {
    lines = ini::SplitLines(*bytes);
  } else if (files_.FileExists(path)) {
    return 0;  // there but unreadable: never replace what we could not read
  }
  lines = ini::SetValue(std::move(lines), section, key, value, codePage_);
  return files_.WriteAtomically(path, ini::JoinLines(lines)) ? 1 : 0;
}

int IniFile::WriteInt(WStringView section, WStringView key, int value, WStringView path) {
  return WriteString(section, key, Format(u"%d", value), path);
}

}  // namespace tarvo
