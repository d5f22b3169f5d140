#pragma once
// The proxy pages of the stand-in hot-video page server, made from its
// catalogue. Links are absolute, from the base URL the request came to
// ("http://" + Host), without quotes, as the client cuts them:
//   Tudou: a "普通视频" part of items linking BASE/tudou/flv/ID, then a
//          "视频专辑" part, then "回顶部";
//   Youku: items linking BASE/yk/?ykvideo=ID twice each, then on the index
//          pages a pager of BASE/yk/index.php?k=&p=N links, then "回顶部".
#include <string>

#include "hot/HotCatalogue.h"

namespace tarvo::servers::hot {

// channel: the "url1=" host, or kTudouFront; an unknown one lists nothing.
std::string TudouPage(const HotCatalogue& catalogue, const std::string& channel, const std::string& base);

// A category page (no pager); an unknown catpid lists nothing.
std::string YoukuCategoryPage(const HotCatalogue& catalogue, const std::string& catpid, const std::string& base);

// Index page `page` (from 1): its items, "上一页" after page 1 and "下一页"
// before the last. A page past the end lists nothing and links back.
std::string YoukuIndexPage(const HotCatalogue& catalogue, int page, const std::string& base);

// Where an item of each kind links.
std::string TudouItemAddress(const std::string& base, const std::string& id);
std::string YoukuItemAddress(const std::string& base, const std::string& id);

}  // namespace tarvo::servers::hot
