// The stand-in Soku site on any input, taken three ways: as a request target
// (every answer is a page or 404, a query's numbers are in range), as a
// keyword (the site reads back what the program sends, within the room the
// program leaves), and as catalogue text (every page it makes reads through
// the program's parsers without fault, ten videos a page at most).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/text/Utf8.h"
#include "soku/SokuCatalogue.h"
#include "soku/SokuPages.h"
#include "soku/SokuRoutes.h"
#include "video/KeywordEncoding.h"
#include "video/soku/SokuEntryPages.h"
#include "video/soku/SokuParsers.h"

namespace {

using namespace tarvo;
namespace site = tarvo::servers::soku;

constexpr char kBase[] = "http://127.0.0.1:28080";
constexpr size_t kMostPagesRead = 40;  // keeps one input's work bounded

void Check(bool holds) {
  if (!holds) std::abort();
}

void AsTarget(const std::string& target) {
  const size_t question = target.find('?');
  const std::string path = target.substr(0, question);
  const std::string query = question == std::string::npos ? "" : target.substr(question + 1);
  if (auto request = site::ParseSokuQuery(query)) {
    Check(request->keyword.size() <= query.size());
    Check(request->hd == 0 || request->hd == 1);
    Check(request->page >= 1);
  }
  if (auto answer = servers::SokuAnswer(TARVO_SERVER_DATA_DIR, kBase, path, query))
    Check(answer->status == 200 || answer->status == 404);
}

void AsKeyword(const std::string& text) {
  const std::string keyword = ToUtf8(FromUtf8(text));
  if (keyword.empty()) return;
  const std::string sent = ToUtf8(soku::SokuSearchPath(FromUtf8(keyword), 1, 3));
  const size_t question = sent.find('?');
  Check(question != std::string::npos);
  auto read = site::ParseSokuQuery(std::string_view(sent).substr(question + 1));
  Check(read.has_value());
  Check(read->hd == 1 && read->page == 3);
  Check(keyword.compare(0, read->keyword.size(), read->keyword) == 0);
  size_t room = 0;
  for (unsigned char byte : keyword) room += byte < 0x10 ? 2 : 3;
  if (room <= video::kEncodedKeywordMax) Check(read->keyword == keyword);
}

void AsCatalogue(const std::string& text) {
  const site::SokuCatalogue catalogue = site::ReadSokuCatalogue(text);
  const WString base = FromUtf8(kBase);
  size_t read = 0;
  for (const auto& [keyword, entry] : catalogue.keywords) {
    for (int hd : {0, 1}) {
      for (int page = 1; page <= 3 && read < kMostPagesRead; ++page, ++read) {
        soku::SokuResults results;
        soku::ParseSokuPage(results, FromUtf8(site::SokuSearchPage(catalogue, {keyword, hd, page}, kBase)), base);
        Check(results.items.size() <= site::kItemsPerPage);
      }
    }
  }
  for (const auto& [id, entry] : catalogue.entries) {
    if (read++ >= kMostPagesRead) break;
    const WString page = FromUtf8(site::SokuEntryPage(catalogue, id, kBase));
    soku::ParseSokuEntryPage(page, soku::kSokuTv);
    soku::ParseSokuEntryPage(page, soku::kSokuMovie);
  }
  for (const auto& [id, series] : catalogue.guides) {
    if (read++ >= kMostPagesRead) break;
    soku::CollectGuideLinks(FromUtf8(site::SokuGuidePage(catalogue, id)), base);
  }
  for (const auto& [id, series] : catalogue.series) {
    if (read++ >= kMostPagesRead) break;
    const WString page = FromUtf8(site::SokuSeriesPage(catalogue, id, kBase));
    for (int layout : {soku::kTabLayout, soku::kLabelLayout}) {
      soku::SokuSeries parsed;
      soku::ParseSeriesPage(page, layout, parsed);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;
  const std::string input(reinterpret_cast<const char*>(data), size);
  AsTarget(input);
  AsKeyword(input);
  AsCatalogue(input);
  return 0;
}
