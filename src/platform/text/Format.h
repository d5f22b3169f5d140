#pragma once
// printf-style formatting for the program's texts ("第 %d 页", "%s%d.txt",
// "%04d-%02d-%02d  %02d:%02d:%02d"). Supports %d %i %u %x %X %s %c and %%,
// with the flags '-' and '0' and a width. It never reads past its arguments:
// a missing argument prints nothing, a mismatched one prints as what it is.
#include <cstdint>
#include <initializer_list>
#include <variant>

#include "platform/text/WString.h"

namespace tarvo {

class FormatArg {
 public:
  FormatArg(int value) : value_(static_cast<int64_t>(value)) {}
  FormatArg(unsigned value) : value_(static_cast<int64_t>(value)) {}
  FormatArg(long value) : value_(static_cast<int64_t>(value)) {}
  FormatArg(long long value) : value_(static_cast<int64_t>(value)) {}
  FormatArg(unsigned long value) : value_(static_cast<int64_t>(value)) {}
  FormatArg(WStringView text) : value_(WString(text)) {}
  FormatArg(const WString& text) : value_(text) {}
  FormatArg(const char16_t* text) : value_(WString(text ? text : u"")) {}

  const std::variant<int64_t, WString>& Value() const { return value_; }

 private:
  std::variant<int64_t, WString> value_;
};

WString FormatText(WStringView format, std::initializer_list<FormatArg> args);

template <class... Args>
WString Format(WStringView format, const Args&... args) {
  return FormatText(format, {FormatArg(args)...});
}

}  // namespace tarvo
