#pragma once
// The pure core of IniFile: INI lines in, values and rewritten lines out.
// Lines are raw bytes in the device's code page, split on LF with a CR
// before the LF dropped; a line of any length stays one line.
#include <optional>
#include <string>
#include <vector>

#include "platform/text/WString.h"

namespace tarvo::ini {

std::vector<std::string> SplitLines(std::string_view bytes);
// Every line followed by CR LF, as the text-mode writer puts it.
std::string JoinLines(const std::vector<std::string>& lines);

// Where the value of a key line starts, or nullopt when the line is not a
// line of that key (the key's characters, then blanks and "=", or "=").
std::optional<size_t> MatchKey(WStringView line, WStringView key);

// The value of key in section, trailing spaces removed; nullopt when absent.
std::optional<WString> FindValue(const std::vector<std::string>& lines, WStringView section,
                                 WStringView key, std::string_view codePage);

// The lines after setting key=value in section: an existing key line is
// replaced in place, a new key goes directly under its header, a new section
// is appended after an empty line (unless the last line is empty already).
std::vector<std::string> SetValue(std::vector<std::string> lines, WStringView section,
                                  WStringView key, WStringView value,
                                  std::string_view codePage);

// Whether a write of these texts is refused: CR or LF anywhere, "]" in the
// section name, "=" in the key.
bool IsRefusedWrite(WStringView section, WStringView key, WStringView value);

// "%d" of a text: optional white space, sign and digits; nullopt when the
// text does not start with a number or the number leaves the 32-bit range.
std::optional<int> ParseLeadingInt(WStringView text);

}  // namespace tarvo::ini
