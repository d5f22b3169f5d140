#include "platform/text/Format.h"

#include <algorithm>
#include <vector>

namespace tarvo {
namespace {

constexpr size_t kMaxWidth = 1000;

WString Digits(uint64_t value, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  WString out;
  do {
    out.insert(out.begin(), static_cast<char16_t>(digits[value % base]));
    value /= base;
  } while (value != 0);
  return out;
}

WString NumberText(int64_t value, char16_t conversion) {
  switch (conversion) {
    case u'u':
      return Digits(static_cast<uint32_t>(value), 10, false);
    case u'x':
      return Digits(static_cast<uint32_t>(value), 16, false);
    case u'X':
      return Digits(static_cast<uint32_t>(value), 16, true);
    default:
      if (value >= 0) return Digits(static_cast<uint64_t>(value), 10, false);
      WString negative = Digits(0 - static_cast<uint64_t>(value), 10, false);
      negative.insert(negative.begin(), u'-');
      return negative;
  }
}

void Pad(WString& out, WString field, size_t width, bool left, bool zero) {
  if (field.size() >= width) {
    out += field;
  } else if (left) {
    out += field;
    out.append(width - field.size(), u' ');
  } else if (zero) {
    size_t sign = (!field.empty() && field[0] == u'-') ? 1 : 0;
    field.insert(sign, width - field.size(), u'0');
    out += field;
  } else {
    out.append(width - field.size(), u' ');
    out += field;
  }
}

}  // namespace

WString FormatText(WStringView format, std::initializer_list<FormatArg> args) {
  std::vector<const FormatArg*> list;
  for (const FormatArg& arg : args) list.push_back(&arg);
  size_t next = 0;
  WString out;
  for (size_t i = 0; i < format.size(); ++i) {
    char16_t c = format[i];
    if (c != u'%') {
      out += c;
      continue;
    }
    size_t start = i++;
    bool left = false, zero = false;
    while (i < format.size() && (format[i] == u'-' || format[i] == u'0')) {
      (format[i] == u'-' ? left : zero) = true;
      ++i;
    }
    size_t width = 0;
    while (i < format.size() && format[i] >= u'0' && format[i] <= u'9') {
      width = std::min<size_t>(width * 10 + (format[i] - u'0'), kMaxWidth);
      ++i;
    }
    if (i >= format.size()) {
      out.append(format.substr(start));
      break;
    }
    char16_t conversion = format[i];
    if (conversion == u'%') {
      out += u'%';
      continue;
    }
    if (WStringView(u"diuxXsc").find(conversion) == WStringView::npos) {
      out.append(format.substr(start, i - start + 1));  // unknown: shown as written
      continue;
    }
    if (next >= list.size()) continue;  // missing argument prints nothing
    const auto& value = list[next++]->Value();
    WString field;
    if (const auto* number = std::get_if<int64_t>(&value)) {
      if (conversion == u'c') {
        field = WString(1, static_cast<char16_t>(*number));
      } else {
        field = NumberText(*number, conversion == u's' ? u'd' : conversion);
      }
    } else {
      field = std::get<WString>(value);
    }
    Pad(out, field, width, left, zero && conversion != u's' && conversion != u'c');
  }
  return out;
}

}  // namespace tarvo
