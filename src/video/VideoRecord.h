#pragma once
// The unit every video list, series and detail screen shows: six texts in a
// fixed order. The Youku parsers leave `spare` empty; Soku puts an item's
// caption there.
#include <vector>

#include "platform/text/WString.h"

namespace tarvo::video {

struct VideoRecord {
  WString title;
  WString spare;
  WString url;
  WString thumb;
  WString duration;
  WString intro;

  bool operator==(const VideoRecord&) const = default;
};

}  // namespace tarvo::video
