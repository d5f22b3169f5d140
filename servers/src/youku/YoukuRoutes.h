#pragma once
// The stand-in Youku site and parse page, sharing the servers' port:
//   /search_video/q_K_orderby_O_hd_H_page_P   search result pages (K read
//                                             from the raw target)
//   /show_eplist/showid_zID_type_list.html   episode lists, and their later
//   /show_eplist/showid_zID_page_N.html      pages
//   /v_show/id_VID.html                      single-video pages
//   /img/NAME, /img/v/VID.jpg                pictures
//   /parse.php?kw=ADDRESS                    the parse page, GBK
//   /media/VID_N.y4m                         a part's media, a short clip
// all made from DATA/youku/catalogue.txt; without that file the content
// folder answers them as any path.
#include <optional>
#include <string>

#include "Answer.h"

namespace tarvo::servers {

// The answer of a Youku path (decoded path; rawTarget is the target as sent,
// still escaped; rawQuery the query as sent); nullopt for any other path.
std::optional<Answer> YoukuAnswer(const std::string& dataDir, const std::string& base, const std::string& path,
                                  const std::string& rawTarget, const std::string& rawQuery);

}  // namespace tarvo::servers
