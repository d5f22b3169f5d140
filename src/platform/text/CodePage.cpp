#include "platform/text/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <string>

namespace tarvo {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);

// Opening a converter loads modules, so each thread keeps its converters.
class ConverterCache {
 public:
  ~ConverterCache() {
    for (auto& entry : converters_) {
      if (entry.second != kInvalid) iconv_close(entry.second);
    }
  }
  iconv_t Get(const std::string& to, const std::string& from) {
    const std::string key = to + '\n' + from;
    auto found = converters_.find(key);
    if (found == converters_.end()) {
      found = converters_.emplace(key, iconv_open(to.c_str(), from.c_str())).first;
    }
    if (found->second != kInvalid) iconv(found->second, nullptr, nullptr, nullptr, nullptr);
    return found->second;
  }

 private:
  std::map<std::string, iconv_t> converters_;
};

ConverterCache& Cache() {
  thread_local ConverterCache cache;
  return cache;
}

bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

WString FromCodePage(std::string_view bytes, std::string_view codePage) {
  WString out;
  if (IsAscii(bytes)) {
    out.assign(bytes.begin(), bytes.end());
    return out;
  }
  iconv_t cd = Cache().Get("UTF-16LE", std::string(codePage));
  if (cd == kInvalid) {
    // Unknown code page: keep ASCII, mark everything else.
    for (char c : bytes) {
      auto b = static_cast<unsigned char>(c);
      out += b < 0x80 ? static_cast<char16_t>(b) : kReplacement;
    }
    return out;
  }
  std::string buffer(bytes.size() * 4 + 8, '\0');
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    const size_t produced = buffer.size() - outLeft;
    for (size_t i = 0; i + 1 < produced; i += 2) {
      out += static_cast<char16_t>(static_cast<unsigned char>(buffer[i]) |
                                   (static_cast<unsigned char>(buffer[i + 1]) << 8));
    }
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a sequence cut off at the end): substitute, skip a byte.
    out += kReplacement;
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

std::string ToCodePage(WStringView text, std::string_view codePage) {
  std::string out;
  bool ascii = true;
  for (char16_t unit : text) {
    if (unit >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) {
    out.assign(text.begin(), text.end());
    return out;
  }
  iconv_t cd = Cache().Get(std::string(codePage), "UTF-16LE");
  std::string input;
  input.reserve(text.size() * 2);
  for (char16_t unit : text) {
    input += static_cast<char>(unit & 0xFF);
    input += static_cast<char>(unit >> 8);
  }
  if (cd == kInvalid) {
    for (char16_t unit : text) out += unit < 0x80 ? static_cast<char>(unit) : '?';
    return out;
  }
  std::string buffer(text.size() * 4 + 8, '\0');
  char* in = input.data();
  size_t inLeft = input.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), buffer.size() - outLeft);
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // A character the code page cannot hold, or a broken surrogate.
    out += '?';
    size_t skip = 2;
    if (inLeft >= 4) {
      char16_t unit = static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
      char16_t next = static_cast<unsigned char>(in[2]) | (static_cast<unsigned char>(in[3]) << 8);
      if (unit >= 0xD800 && unit <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) skip = 4;
    }
    skip = std::min(skip, inLeft);
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

bool IsSupportedCodePage(std::string_view codePage) {
  return Cache().Get("UTF-16LE", std::string(codePage)) != kInvalid &&
         Cache().Get(std::string(codePage), "UTF-16LE") != kInvalid;
}

}  // namespace tarvo
