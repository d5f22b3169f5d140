#pragma once
// The pages of the stand-in Soku site, made from its catalogue. Links to the
// site's own pages are relative (the program puts its base in front); video
// and picture addresses are absolute, on the base the request came to.
//   /v?keyword=K&hd=H&curpage=P   result pages (K read from the raw query)
//   /soku/entry/ID.html           a category entry's page
//   /soku/guide/ID.html           a guide page: links to series pages
//   /soku/series/ID.html          a series page
//   /soku/img/NAME                pictures, as the Youku stand-in draws them
#include <optional>
#include <string>
#include <string_view>

#include "soku/SokuCatalogue.h"

namespace tarvo::servers::soku {

// Items a result page holds at most.
inline constexpr size_t kItemsPerPage = 10;

struct SokuSearchRequest {
  std::string keyword;  // UTF-8
  int hd = 0;
  int page = 1;
};

// The query of "/v": keyword split at "%" (one or two hex digits a byte),
// hd and curpage; nullopt without a keyword.
std::optional<SokuSearchRequest> ParseSokuQuery(std::string_view rawQuery);

std::string SokuSearchPage(const SokuCatalogue& catalogue, const SokuSearchRequest& request,
                           const std::string& base);
// Empty when the id is unknown.
std::string SokuEntryPage(const SokuCatalogue& catalogue, const std::string& id, const std::string& base);
std::string SokuGuidePage(const SokuCatalogue& catalogue, const std::string& id);
std::string SokuSeriesPage(const SokuCatalogue& catalogue, const std::string& id, const std::string& base);

// base + "/v_show/id_" + vid + ".html"
std::string SokuVideoAddress(const std::string& base, const std::string& vid);

}  // namespace tarvo::servers::soku
