#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string ToUtf8(WStringView text) {
  std::string out;
  out.reserve(text.size() * 3 / 2 + 1);
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(out, kReplacement);  // unpaired surrogate
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

WString FromUtf8(std::string_view bytes) {
  // Every input byte yields at most one UTF-16 unit (a four-byte sequence
  // gives two), so the result is written into a buffer of the input's size.
  WString out(bytes.size(), u'\0');
  char16_t* w = out.data();
  size_t i = 0;
  const size_t n = bytes.size();
  const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes.data());
  while (i < n) {
    unsigned char b = in[i];
    if (b < 0x80) {
      *w++ = static_cast<char16_t>(b);
      ++i;
      continue;
    }
    int extra;
    char32_t cp;
    char32_t minimum;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1, cp = b & 0x1F, minimum = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2, cp = b & 0x0F, minimum = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3, cp = b & 0x07, minimum = 0x10000;
    } else {
      *w++ = static_cast<char16_t>(kReplacement);
      ++i;
      continue;
    }
    int taken = 0;
    while (taken < extra && i + 1 + taken < n) {
      unsigned char c = in[i + 1 + taken];
      if ((c & 0xC0) != 0x80) break;
      cp = (cp << 6) | (c & 0x3F);
      ++taken;
    }
    if (taken < extra || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      // Skip the lead byte and the continuation bytes that belonged to it.
      *w++ = static_cast<char16_t>(kReplacement);
      i += 1 + taken;
      continue;
    }
    if (cp < 0x10000) {
      *w++ = static_cast<char16_t>(cp);
    } else {
      cp -= 0x10000;
      *w++ = static_cast<char16_t>(0xD800 + (cp >> 10));
      *w++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
    i += 1 + extra;
  }
  out.resize(static_cast<size_t>(w - out.data()));
  return out;
}

}  // namespace tarvo
