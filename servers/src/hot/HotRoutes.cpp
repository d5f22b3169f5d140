#include "hot/HotRoutes.h"

#include <fstream>

#include "TvRoutes.h"
#include "hot/HotPages.h"

namespace tarvo::servers {
namespace hot {
namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kMedia[] = "application/octet-stream";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = HexDigit(text[i + 1]);
      const int low = HexDigit(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

// A page number of up to nine digits; nullopt for anything else.
std::optional<int> PageNumber(const std::string& text) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoi(text);
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

Answer Html(std::string page) { return Answer{200, kHtml, std::move(page), ""}; }

}  // namespace

std::optional<std::string> QueryValue(const std::string& rawQuery, const std::string& name) {
  size_t from = 0;
  while (from <= rawQuery.size()) {
    size_t end = rawQuery.find('&', from);
    if (end == std::string::npos) end = rawQuery.size();
    const std::string pair = rawQuery.substr(from, end - from);
    if (StartsWith(pair, name + "=")) return PercentDecoded(pair.substr(name.size() + 1));
    from = end + 1;
  }
  return std::nullopt;
}

std::string ClipFor(const std::string& id) {
  unsigned sum = 0;
  for (unsigned char c : id) sum = sum * 31 + c;
  return TvClip(static_cast<int>(sum % 99) + 1);
}

}  // namespace hot

std::optional<Answer> HotAnswer(const std::string& dataDir, const std::string& base, const std::string& path,
                                const std::string& rawQuery) {
  using namespace hot;
  const bool tudou = StartsWith(path, "/tudou/");
  const bool youku = StartsWith(path, "/yk/");
  if (!tudou && !youku) return std::nullopt;
  // Without a catalogue the content folder answers these paths like any other.
  if (!std::ifstream(dataDir + "/hot/catalogue.txt")) return std::nullopt;
  if (path == "/tudou/") {
    const std::optional<std::string> channel = QueryValue(rawQuery, "url1");
    return Html(TudouPage(ReadHotCatalogueFile(dataDir), channel ? *channel : kTudouFront, base));
  }
  if (StartsWith(path, "/tudou/play/") && path.size() > 12) return Answer{200, kMedia, ClipFor(path.substr(12)), ""};
  if (path == "/yk/") {
    if (auto video = QueryValue(rawQuery, "ykvideo")) {
      if (video->empty()) return ErrorPage(404);
      return Answer{200, kMedia, ClipFor(*video), ""};
    }
    const HotCatalogue catalogue = ReadHotCatalogueFile(dataDir);
    if (auto catpid = QueryValue(rawQuery, "catpid")) return Html(YoukuCategoryPage(catalogue, *catpid, base));
    return Html(YoukuIndexPage(catalogue, 1, base));
  }
  if (path == "/yk/index.php") {
    const std::optional<std::string> page = QueryValue(rawQuery, "p");
    const std::optional<int> number = page ? PageNumber(*page) : std::nullopt;
    if (!number) return ErrorPage(404);
    return Html(YoukuIndexPage(ReadHotCatalogueFile(dataDir), *number, base));
  }
  // "/tudou/flv/ID" among them: the addresses the pages link but nothing serves.
  return ErrorPage(404);
}

}  // namespace tarvo::servers
