#pragma once
// One video: its thumbnail (once the list's worker has brought it), "标题:",
// "简介:" and "片长:" lines, and "播放", "下载", "返回" along the bottom. The
// resolved addresses are kept, so playing again needs no new request.
#include <optional>
#include <vector>

#include "launcher/controls/CSkinButton.h"
#include "net/HttpFetch.h"
#include "video/PlayAddress.h"
#include "video/VideoRecord.h"
#include "video/screens/CVirtualDialog.h"
#include "video/screens/ThumbnailLoader.h"

namespace tarvo::video {

struct DetailSubject {
  VideoRecord record;
  int row = -1;         // the record's row in the list, for the worker's ready mark
  WString thumbnail;    // full path of its picture
  WString source;       // the parse-page request
};

class CVirtualVideoDetail : public CVirtualDialog {
 public:
  static constexpr int kPlayId = 1101;
  static constexpr int kDownloadId = 1102;
  static constexpr int kBackId = 1103;
  static constexpr int kThumbnailTimer = 1;
  static constexpr int kThumbnailSize = 120;

  // thumbnails may be null (no list worker: no picture).
  CVirtualVideoDetail(CTarvoApp& app, WStringView caption, DetailSubject subject, const ThumbnailLoader* thumbnails,
                      HttpFetchTimeouts timeouts);

  bool HasPicture() const { return picture_.has_value(); }
  const std::vector<PlayAddress>& Addresses() const { return addresses_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnOK() override { Back(); }
  void OnCancel() override { Back(); }
  void OnTimer(int id) override;
  void OnPaint(ui::Canvas& canvas) override;
  // Leaving full screen to play moves the window: the buttons follow.
  void OnSize() override { LayOut(); }
  void DescribePainted(std::vector<ui::PaintedText>& out) const override;

 protected:
  void LayOut() override;

 private:
  bool TryLoadPicture();
  std::vector<ui::PaintedText> TextLines() const;
  bool Resolve();
  void Back();

  DetailSubject subject_;
  const ThumbnailLoader* thumbnails_;
  HttpFetchTimeouts timeouts_;
  std::optional<ui::Canvas> picture_;
  std::vector<PlayAddress> addresses_;
  SkinButtons buttons_;
};

}  // namespace tarvo::video
