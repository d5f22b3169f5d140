#include "soku/SokuRoutes.h"

#include <fstream>

#include "soku/SokuPages.h"
#include "youku/YoukuPictures.h"

namespace tarvo::servers {
namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";

std::optional<Answer> Html(std::string page) {
  if (page.empty()) return ErrorPage(404);
  return Answer{200, kHtml, std::move(page)};
}

// The ID of "/soku/KIND/ID.html"; empty when the path is not of that form.
std::string IdOf(const std::string& path, const std::string& kind) {
  const std::string prefix = "/soku/" + kind + "/";
  if (path.rfind(prefix, 0) != 0 || path.size() <= prefix.size() + 5) return "";
  if (path.compare(path.size() - 5, 5, ".html") != 0) return "";
  const std::string id = path.substr(prefix.size(), path.size() - prefix.size() - 5);
  return id.find('/') == std::string::npos ? id : "";
}

}  // namespace

std::optional<Answer> SokuAnswer(const std::string& dataDir, const std::string& base, const std::string& path,
                                 const std::string& rawQuery) {
  using namespace soku;
  if (path != "/v" && path.rfind("/soku/", 0) != 0) return std::nullopt;
  if (!std::ifstream(dataDir + "/soku/catalogue.txt")) return std::nullopt;
  if (path == "/v") {
    auto request = ParseSokuQuery(rawQuery);
    if (!request) return ErrorPage(404);
    return Html(SokuSearchPage(ReadSokuCatalogueFile(dataDir), *request, base));
  }
  if (path.rfind("/soku/img/", 0) == 0) return youku::PictureAnswer(path.substr(10));
  if (auto id = IdOf(path, "entry"); !id.empty()) return Html(SokuEntryPage(ReadSokuCatalogueFile(dataDir), id, base));
  if (auto id = IdOf(path, "guide"); !id.empty()) return Html(SokuGuidePage(ReadSokuCatalogueFile(dataDir), id));
  if (auto id = IdOf(path, "series"); !id.empty())
    return Html(SokuSeriesPage(ReadSokuCatalogueFile(dataDir), id, base));
  return ErrorPage(404);
}

}  // namespace tarvo::servers
