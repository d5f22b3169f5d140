#pragma once
// The pages of the stand-in Youku site, made from the catalogue. base is the
// scheme and host the request came to; every link on a page is absolute.
#include <string>

#include "youku/YoukuCatalogue.h"
#include "youku/YoukuRequest.h"

namespace tarvo::servers::youku {

// Videos a search page holds at most.
inline constexpr size_t kVideosPerPage = 10;
// Episodes an episode-list page holds at most.
inline constexpr size_t kEpisodesPerPage = 4;

std::string SearchPage(const Catalogue& catalogue, const SearchRequest& request, const std::string& base);

// nullopt-like empty string when the show is unknown or the page is past its end.
std::string EpisodeListPage(const Catalogue& catalogue, const EpisodeListRequest& request,
                            const std::string& base);

std::string SingleVideoPage(const Catalogue& catalogue, const std::string& vid, const std::string& base);

// The title a video goes by: its single-video title, a plain video's title,
// else the id itself.
std::string VideoTitle(const Catalogue& catalogue, const std::string& vid);

// base + "/v_show/id_" + vid + ".html"
std::string VideoAddress(const std::string& base, const std::string& vid);

}  // namespace tarvo::servers::youku
