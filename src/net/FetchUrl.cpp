#include "net/FetchUrl.h"

#include "platform/text/Utf8.h"

namespace tarvo {
std::string EscapeRequestBytes(std::string_view bytes) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size());
  // A "%" always goes out as it is: the keyword encoder writes bytes below
  // 0x10 with one digit ("%9" for a tab), and the site reads them that way.
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F || b == '#') {
      out += '%';
      out += hex[b >> 4];
      out += hex[b & 0xF];
    } else {
      out += c;
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
