#include "youku/YoukuRoutes.h"

#include <fstream>

#include "TvRoutes.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "youku/ParsePage.h"
#include "youku/YoukuCatalogue.h"
#include "youku/YoukuPages.h"
#include "youku/YoukuPictures.h"
#include "youku/YoukuRequest.h"

namespace tarvo::servers {
namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

std::optional<Answer> Html(std::string page) {
  if (page.empty()) return ErrorPage(404);
  return Answer{200, kHtml, std::move(page)};
}

// "/media/VID_N.y4m": the clip of part N.
std::optional<Answer> Media(const std::string& path) {
  const std::string name = path.substr(7);
  const size_t underscore = name.rfind('_');
  if (underscore == std::string::npos || name.size() < 5 || name.compare(name.size() - 4, 4, ".y4m") != 0)
    return ErrorPage(404);
  const std::string digits = name.substr(underscore + 1, name.size() - underscore - 5);
  if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos)
    return ErrorPage(404);
  return Answer{200, "application/octet-stream", TvClip((std::stoi(digits) + 98) % 99 + 1)};
}

}  // namespace

std::optional<Answer> YoukuAnswer(const std::string& dataDir, const std::string& base, const std::string& path,
                                  const std::string& rawTarget, const std::string& rawQuery) {
  using namespace youku;
  // Without a catalogue the content folder answers these paths like any other.
  if (!std::ifstream(dataDir + "/youku/catalogue.txt")) return std::nullopt;
  if (StartsWith(path, "/search_video/")) {
    auto request = ParseSearchTarget(rawTarget);
    if (!request) return ErrorPage(404);
    return Html(SearchPage(ReadCatalogueFile(dataDir), *request, base));
  }
  if (StartsWith(path, "/show_eplist/")) {
    auto request = ParseEpisodeListPath(path);
    if (!request) return ErrorPage(404);
    return Html(EpisodeListPage(ReadCatalogueFile(dataDir), *request, base));
  }
  if (StartsWith(path, "/v_show/")) {
    auto vid = VideoIdOf(path);
    if (!vid) return ErrorPage(404);
    return Html(SingleVideoPage(ReadCatalogueFile(dataDir), *vid, base));
  }
  if (StartsWith(path, "/img/v/")) return PictureAnswer(path.substr(7));
  if (StartsWith(path, "/img/")) return PictureAnswer(path.substr(5));
  if (path == "/parse.php") {
    const std::string text = ParsePageText(ReadCatalogueFile(dataDir), ParseAddress(rawQuery), base);
    return Answer{200, "text/html; charset=gbk", ToCodePage(FromUtf8(text), "GBK")};
  }
  if (StartsWith(path, "/media/")) return Media(path);
  return std::nullopt;
}

}  // namespace tarvo::servers
