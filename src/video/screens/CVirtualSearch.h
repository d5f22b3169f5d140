#pragma once
// The base of the search entry screens: the "选项" menu (keyword records,
// shortcuts, rotation, about), the top bar's "ok" as the way back, and the
// thumbnail worker that the result lists opened from here share.
#include <memory>

#include "video/screens/CVirtualDialog.h"
#include "video/screens/ThumbnailLoader.h"
#include "video/screens/VideoHosts.h"

namespace tarvo::video {

class CVirtualSearch : public CVirtualDialog {
 public:
  static constexpr int kRecordsId = 32780;
  static constexpr int kCreateShortcutId = 32781;
  static constexpr int kDeleteShortcutId = 32782;
  static constexpr int kAboutId = 32783;

  CVirtualSearch(CTarvoApp& app, WStringView caption);
  ~CVirtualSearch() override;

  bool RecordsChanged() const { return recordsChanged_; }
  const VideoServers& Servers() const { return servers_; }
  // Made with the window; null before OnInitDialog.
  ThumbnailLoader* Thumbnails() { return thumbnails_.get(); }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;

 protected:
  // The keyword manager changed the number of records; the screen refills
  // its keyword box.
  virtual void OnRecordsChanged() {}

 private:
  void ManageRecords();

  VideoServers servers_;
  std::unique_ptr<ThumbnailLoader> thumbnails_;
  bool recordsChanged_ = false;
};

}  // namespace tarvo::video
