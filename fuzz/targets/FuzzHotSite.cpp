// The stand-in hot-video page server on any catalogue text and query: the
// reader keeps only lines its pages can carry, so every page it makes reads
// back, through the program's parsers, as exactly the catalogue's items.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "hot/HotCatalogue.h"
#include "hot/HotPages.h"
#include "hot/HotRoutes.h"
#include "platform/text/Utf8.h"
#include "video/HotVideo.h"

namespace {

using namespace tarvo;
using servers::hot::HotEntry;

constexpr char kBase[] = "http://127.0.0.1:28080";

void Check(bool holds) {
  if (!holds) std::abort();
}

bool Same(const std::vector<video::HotItem>& items, const std::vector<HotEntry>& entries, bool tudou) {
  if (items.size() != entries.size()) return false;
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string url = tudou ? servers::hot::TudouItemAddress(kBase, entries[i].id)
                                  : servers::hot::YoukuItemAddress(kBase, entries[i].id);
    if (items[i].title != FromUtf8(entries[i].title) || items[i].url != FromUtf8(url)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  servers::hot::QueryValue(text, "url1");
  servers::hot::QueryValue(text, "p");
  const servers::hot::HotCatalogue catalogue = servers::hot::ReadHotCatalogue(text);
  for (const auto& [channel, entries] : catalogue.tudou) {
    Check(Same(video::ParseTudouProxyPage(FromUtf8(servers::hot::TudouPage(catalogue, channel, kBase))), entries,
               true));
  }
  for (const auto& [catpid, entries] : catalogue.youku) {
    int page = 1, lastPage = 0;
    auto items = video::ParseYoukuProxyPage(FromUtf8(servers::hot::YoukuCategoryPage(catalogue, catpid, kBase)),
                                            FromUtf8(kBase), page, lastPage);
    Check(Same(items, entries, false));
  }
  const int count = servers::hot::IndexPageCount(catalogue);
  for (int number = 1; number <= count && number <= 50; ++number) {
    int page = 0, lastPage = -1;
    auto items = video::ParseYoukuProxyPage(FromUtf8(servers::hot::YoukuIndexPage(catalogue, number, kBase)),
                                            FromUtf8(kBase), page, lastPage);
    const size_t first = static_cast<size_t>(number - 1) * servers::hot::kIndexPageSize;
    const size_t last = std::min(catalogue.index.size(), first + servers::hot::kIndexPageSize);
    Check(Same(items, std::vector<HotEntry>(catalogue.index.begin() + static_cast<long>(first),
                                            catalogue.index.begin() + static_cast<long>(last)),
               false));
    // A lone page has no pager: page and flag stay.
    if (count > 1) Check(page == number && lastPage == (number == count ? 1 : 0));
  }
  return 0;
}
