#pragma once
// The Youku result list "视频列表": a header row for every section the page
// flagged (empty ones too), then one row per plain video.
#include "video/screens/CVirtualVideo.h"
#include "video/screens/YoukuSession.h"

namespace tarvo::video {

class CVideo : public CVirtualVideo {
 public:
  static constexpr char16_t kCaption[] = u"视频列表";

  CVideo(CTarvoApp& app, YoukuSession& session, ThumbnailLoader& thumbnails);

  // The sections of the header rows, in row order.
  std::vector<YoukuSection> HeaderSections() const;

 protected:
  void LoadPage() override;
  void FillList() override;
  void OnRowTapped(int row) override;

 private:
  YoukuSession& session_;
};

// The row text of a plain video: title, introduction and duration, each on
// its own line when not empty.
WString PlainVideoRowText(const VideoRecord& video);

}  // namespace tarvo::video
