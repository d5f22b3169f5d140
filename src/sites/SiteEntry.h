#pragma once
#include "platform/text/WString.h"

namespace tarvo {

struct SiteEntry {
  WString name;
  WString url;
  bool operator==(const SiteEntry&) const = default;
};

}  // namespace tarvo
