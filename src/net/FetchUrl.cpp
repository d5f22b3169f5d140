#include "net/FetchUrl.h"

#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::string EscapeRequestBytes(std::string_view bytes) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const bool escapeStarts = b == '%' && i + 2 < bytes.size() && IsHex(bytes[i + 1]) &&
                              IsHex(bytes[i + 2]);
    if (b <= 0x20 || b >= 0x7F || b == '#' || (b == '%' && !escapeStarts)) {
      out += '%';
      out += hex[b >> 4];
      out += hex[b & 0xF];
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

std::optional<FetchTarget> ParseFetchUrl(WStringView url) {
  if (url.size() <= 7) return std::nullopt;
  const std::string rest = ToUtf8(url.substr(7));
  const size_t slash = rest.find('/');
  if (slash == std::string::npos) return std::nullopt;
  return FetchTarget{EscapeRequestBytes(rest.substr(0, slash)),
                     EscapeRequestBytes(rest.substr(slash + 1))};
}

}  // namespace tarvo
