#pragma once
// The content server: files under DATA/content/ by request path.
#include <string>

#include "Answer.h"
#include "ContentPath.h"

namespace tarvo::servers {

// The stand-in installer served at /tarvo/update.exe when no file is there:
// the line "TARVO STAND-IN INSTALLER 1.16" and 300 KiB of every byte value
// in a fixed order.
std::string StandInInstaller();

// The file the path and query name (see ContentFileFor), or a 404 page. A
// file NAME missing beside a NAME.utf8 is served from that one, in GBK, with
// every "{{base}}" replaced by base (the URL the request came to).
Answer ContentAnswer(const std::string& contentDir, const std::string& path, const std::string& query,
                     const std::string& base = "");

}  // namespace tarvo::servers
