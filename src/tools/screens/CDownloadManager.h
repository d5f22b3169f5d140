#pragma once
// The download manager: the pieces of a video by name; "下载" hands the
// selected piece's address to the browser.
#include <vector>

#include "app/shell/TarvoApp.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"

namespace tarvo {

struct DownloadEntry {
  WString name;
  WString address;
};

class CDownloadManager : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"下载管理";
  static constexpr int kListId = 100;
  static constexpr int kDownloadId = 101;

  CDownloadManager(CTarvoApp& app, std::vector<DownloadEntry> entries);

  int Selected() const { return selected_; }
  int ColumnWidth() const { return columnWidth_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;

 private:
  void Download();

  CTarvoApp& app_;
  std::vector<DownloadEntry> entries_;
  ui::ListView list_;
  int selected_ = -1;
  int columnWidth_ = 0;
};

}  // namespace tarvo
