// The stand-in Youku site's and parse page's request decoding on any target:
// the input is a request target as sent (still escaped). Every answer is a
// page or 404; a search target's numbers are in range; any keyword the
// program encodes is read back as the same bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/Utf8.h"
#include "video/KeywordEncoding.h"
#include "youku/YoukuRequest.h"
#include "youku/YoukuRoutes.h"

namespace {

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The path as the HTTP server hands it on: %XX decoded.
std::string DecodedPath(std::string_view raw) {
  std::string path;
  for (size_t at = 0; at < raw.size(); ++at) {
    if (raw[at] == '%' && at + 2 < raw.size() && Hex(raw[at + 1]) >= 0 && Hex(raw[at + 2]) >= 0) {
      path += static_cast<char>(Hex(raw[at + 1]) * 16 + Hex(raw[at + 2]));
      at += 2;
    } else {
      path += raw[at];
    }
  }
  return path;
}

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  using namespace tarvo::servers;
  if (size > 4096) return 0;
  const std::string target(reinterpret_cast<const char*>(data), size);
  const size_t question = target.find('?');
  const std::string rawPath = target.substr(0, question);
  const std::string query = question == std::string::npos ? "" : target.substr(question + 1);

  if (auto search = youku::ParseSearchTarget(target)) {
    Check(search->page >= 1 && search->order >= 0 && search->hd >= 0);
    Check(search->keyword.size() <= target.size());
  }
  Check(youku::DecodeKeyword(target).size() <= target.size());
  Check(youku::ParseAddress(query).size() <= query.size());
  if (auto list = youku::ParseEpisodeListPath(rawPath)) Check(!list->showId.empty() && list->page >= 1);
  if (auto vid = youku::VideoIdOf(rawPath)) Check(!vid->empty() && vid->find('/') == std::string::npos);

  if (auto answer = YoukuAnswer(TARVO_SERVER_DATA_DIR, "http://127.0.0.1:1", DecodedPath(rawPath), target, query))
    Check(answer->status == 200 || answer->status == 404);

  // The input as a keyword: the site reads back what the program sent, cut
  // to the room the program leaves for it.
  const std::string keyword = ToUtf8(FromUtf8(target));
  const std::string sent = ToUtf8(video::YoukuSearchPath(FromUtf8(keyword), 0, 0, 1));
  auto read = youku::ParseSearchTarget(sent);
  Check(read.has_value());
  Check(keyword.compare(0, read->keyword.size(), read->keyword) == 0);
  size_t room = 0;
  for (unsigned char byte : keyword) room += byte < 0x10 ? 2 : 3;
  if (room <= video::kEncodedKeywordMax) Check(read->keyword == keyword);
  return 0;
}
