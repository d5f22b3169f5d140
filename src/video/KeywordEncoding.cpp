#include "video/KeywordEncoding.h"

#include "platform/text/Format.h"
#include "platform/text/Utf8.h"

namespace tarvo::video {
namespace {

constexpr char16_t kYoukuSearchPrefix[] = u"/search_video/q_";
constexpr char16_t kYoukuSearchSuffix[] = u"_orderby_%d_hd_%d_page_%d";
constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

void AppendByte(WString& out, unsigned char byte) {
  out += u'%';
  if (byte >= 0x10) out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

// Length of the code point starting at text[i] in UTF-16 units.
size_t CodePointLength(WStringView text, size_t i) {
  bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
  bool lowNext = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
  return high && lowNext ? 2 : 1;
}

}  // namespace

WString EncodeKeyword(WStringView keyword) {
  WString out;
  for (size_t i = 0; i < keyword.size();) {
    size_t length = CodePointLength(keyword, i);
    WString piece;
    for (char byte : ToUtf8(keyword.substr(i, length))) {
      AppendByte(piece, static_cast<unsigned char>(byte));
    }
    if (out.size() + piece.size() > kEncodedKeywordMax) break;
    out += piece;
    i += length;
  }
  return out;
}

WString YoukuSearchPath(WStringView keyword, int orderIndex, int hd, int page) {
  return WString(kYoukuSearchPrefix) + EncodeKeyword(keyword) +
         Format(kYoukuSearchSuffix, orderIndex + 1, hd, page);
}

}  // namespace tarvo::video
