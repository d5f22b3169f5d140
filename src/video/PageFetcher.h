#pragma once
// How the page-following logic asks for a page: the body (UTF-8 bytes) of
// the page at a URL, or nullopt when nothing came.
#include <functional>
#include <optional>
#include <string>

#include "platform/text/WString.h"

namespace tarvo::video {

using PageFetcher = std::function<std::optional<std::string>(const WString& url)>;

}  // namespace tarvo::video
