#pragma once
#include "platform/text/WString.h"

namespace tarvo {

struct TvChannel {
  WString name;
  WString url;  // the play address
  bool operator==(const TvChannel&) const = default;
};

}  // namespace tarvo
