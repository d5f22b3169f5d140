#pragma once
// Decoding the requests of the stand-in Youku site and parse page from the
// raw target (still escaped), so that the keyword's own escapes are read as
// the client wrote them.
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::servers::youku {

struct SearchRequest {
  std::string keyword;  // UTF-8
  int order = 1;        // 1 to 5
  int hd = 0;
  int page = 1;
};

// "/search_video/q_K_orderby_O_hd_H_page_P" anywhere in the raw path (after
// a fault prefix, say); nullopt for any other target.
std::optional<SearchRequest> ParseSearchTarget(std::string_view rawTarget);

// K split at "%": every piece starts with one or two hex digits, one byte;
// what follows them is taken as it is.
std::string DecodeKeyword(std::string_view encoded);

// The address after "kw=" in the raw query, %XX decoded, "&" kept.
std::string ParseAddress(std::string_view rawQuery);

// The id of "/show_eplist/showid_zID_type_list.html" (page 1) or
// "/show_eplist/showid_zID_page_N.html" (page N).
struct EpisodeListRequest {
  std::string showId;
  int page = 1;
};
std::optional<EpisodeListRequest> ParseEpisodeListPath(std::string_view path);

// The VID of ".../v_show/id_VID.html" (a path or a whole address).
std::optional<std::string> VideoIdOf(std::string_view address);

}  // namespace tarvo::servers::youku
