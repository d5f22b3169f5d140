#pragma once
// The site directory's built-in table, seeded into a new TarvoSiteswarm.xml.
#include <vector>

#include "sites/SiteEntry.h"

namespace tarvo {

inline constexpr size_t kBuiltInSiteCount = 37;
// Row 1's page on the content server.
inline constexpr char16_t kSiteUpdatePagePath[] = u"/article.asp?id=109";

// The 37 rows in order; row 1 points to contentServer (a URL such as
// "http://127.0.0.1:28080", a trailing "/" allowed) + kSiteUpdatePagePath.
std::vector<SiteEntry> BuiltInSites(WStringView contentServer);

}  // namespace tarvo
