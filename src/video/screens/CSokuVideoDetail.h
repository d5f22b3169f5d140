#pragma once
// The Soku detail screen "Tarvo" of an ordinary item of the list.
#include "video/screens/CVirtualVideoDetail.h"

namespace tarvo::video {

class CSokuVideoDetail : public CVirtualVideoDetail {
 public:
  static constexpr int kDialogId = 210;
  static constexpr char16_t kCaption[] = u"Tarvo";

  CSokuVideoDetail(CTarvoApp& app, DetailSubject subject, const ThumbnailLoader* thumbnails,
                   HttpFetchTimeouts timeouts)
      : CVirtualVideoDetail(app, kCaption, std::move(subject), thumbnails, timeouts) {}
};

}  // namespace tarvo::video
