#pragma once
// The stand-in hot-video page server, sharing the servers' port:
//   /tudou/                  the Tudou front page
//   /tudou/?url1=HOST        a Tudou channel page (an unknown HOST lists nothing)
//   /tudou/flv/ID            what a Tudou item links: 404, as on the real site
//   /tudou/play/ID           the played address: a short clip
//   /yk/                     the Youku front page, the index's first page
//   /yk/?catpid=N            a Youku category page
//   /yk/?ykvideo=ID          a Youku item: a short clip
//   /yk/index.php?k=&p=N     the Youku index, page N
// all made from DATA/hot/catalogue.txt; without that file the content
// folder answers them as any path.
#include <optional>
#include <string>

#include "Answer.h"

namespace tarvo::servers {

// The answer of a hot-video path (decoded path, query as sent); nullopt for any other path.
std::optional<Answer> HotAnswer(const std::string& dataDir, const std::string& base, const std::string& path,
                                const std::string& rawQuery);

namespace hot {
// The value of name in a raw query ("a=1&b=2"), %XX decoded; nullopt when absent.
std::optional<std::string> QueryValue(const std::string& rawQuery, const std::string& name);
// The clip an item id plays.
std::string ClipFor(const std::string& id);
}  // namespace hot

}  // namespace tarvo::servers
