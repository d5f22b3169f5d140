#include "platform/text/Utf16Be.h"

namespace tarvo {

std::string ToUtf16Be(WStringView text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t unit : text) {
    out += static_cast<char>(unit >> 8);
    out += static_cast<char>(unit & 0xFF);
  }
  return out;
}

WString FromUtf16Be(std::string_view bytes) {
  WString out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    out += static_cast<char16_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                 static_cast<unsigned char>(bytes[i + 1]));
  }
  return out;
}

}  // namespace tarvo
