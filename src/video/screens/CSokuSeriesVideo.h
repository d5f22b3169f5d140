#pragma once
// The Soku series screen "Tarvo": series titles, group labels and a grid of
// cells. What a tap does follows the mode: a person's variety show follows
// its guide bar, a person's TV series its page, into a further series screen;
// anything else is resolved and played. A tap-and-hold on a playable screen
// offers "下载".
#include <vector>

#include "video/screens/CVirtualSeriesVideo.h"
#include "video/screens/SokuSeriesLayout.h"
#include "video/screens/VideoHosts.h"
#include "video/soku/SokuResults.h"

namespace tarvo::video {

class CSokuSeriesVideo : public CVirtualSeriesVideo {
 public:
  static constexpr int kDialogId = 211;
  static constexpr char16_t kCaption[] = u"Tarvo";
  static constexpr int kMenuId = 195;
  static constexpr int kDownloadCommand = 32785;

  // mode: the category flag of the list, plus 1 for a person's works; 0 for
  // a screen opened from another series screen. cellChars: 5 or 9.
  CSokuSeriesVideo(CTarvoApp& app, std::vector<soku::SokuSeries> series, uint32_t mode, const VideoServers& servers,
                   int cellChars = 9);

  uint32_t Mode() const { return mode_; }
  const SokuSeriesLayout& Layout() const { return layout_; }
  const std::vector<WString>& Selection() const { return selection_; }
  bool CellSelected() const { return selectedCell_ >= 0; }

  bool OnCommand(int id, int code) override;
  bool OnTapAndHold(ui::Point point) override;
  void OnPaint(ui::Canvas& canvas) override;

 protected:
  void LoadSeries() override;
  void LayOut() override;
  WString SourceOf(int item) const override;
  void OnCellTap(ui::Point client) override;

 private:
  bool PersonVariety() const;
  bool PersonTv() const;
  const VideoRecord* ItemOf(int item) const;
  // Fills the selection for the cell under the point; false when none.
  bool Select(ui::Point client);
  bool CollectGuide(const WString& pageUrl);
  void OpenWorks();
  void PlaySelection();
  void DownloadSelection();

  std::vector<soku::SokuSeries> series_;
  uint32_t mode_;
  VideoServers servers_;
  int cellChars_;
  SokuSeriesLayout layout_;
  std::vector<WString> selection_;
  int selectedCell_ = -1;
};

}  // namespace tarvo::video
