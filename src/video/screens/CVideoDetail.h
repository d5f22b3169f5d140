#pragma once
// The Youku detail screen "视频详情" of a plain video of the list.
#include "video/screens/CVirtualVideoDetail.h"

namespace tarvo::video {

class CVideoDetail : public CVirtualVideoDetail {
 public:
  static constexpr char16_t kCaption[] = u"视频详情";

  CVideoDetail(CTarvoApp& app, DetailSubject subject, const ThumbnailLoader* thumbnails, HttpFetchTimeouts timeouts)
      : CVirtualVideoDetail(app, kCaption, std::move(subject), thumbnails, timeouts) {}
};

}  // namespace tarvo::video
