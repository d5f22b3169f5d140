#pragma once
// The content server: files under DATA/content/ by request path.
#include <string>

#include "Answer.h"
#include "ContentPath.h"

namespace tarvo::servers {

// The file the path and query name (see ContentFileFor), or a 404 page.
Answer ContentAnswer(const std::string& contentDir, const std::string& path, const std::string& query);

}  // namespace tarvo::servers
