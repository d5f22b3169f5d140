#pragma once
// The custom-drawn series canvas: lines of text laid out by a service
// (LoadSeries), scrolled by finger drags, the keys and scroll codes, a tap
// on a cell plays its episode, a tap-and-hold selects it and offers "下载".
// Drawn off-screen at the scroll offset (never above 0) and copied at once;
// a scroll bar at the right edge follows the offset and moves it.
#include <optional>
#include <vector>

#include "launcher/controls/CSkinButton.h"
#include "net/HttpFetch.h"
#include "platform/ui/ScrollBar.h"
#include "video/PlayAddress.h"
#include "video/screens/CVirtualDialog.h"

namespace tarvo::video {

// One text of the canvas, in content coordinates (y from the top of the
// content, before scrolling); item is the episode it plays, or -1.
struct SeriesCell {
  WString text;
  ui::Rect rect;
  int item = -1;
};

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom };

class CVirtualSeriesVideo : public CVirtualDialog {
 public:
  static constexpr int kBackId = 1003;
  static constexpr int kDownloadId = 1010;
  static constexpr int kScrollBarId = 1011;
  static constexpr int kDragDelayMs = 50;
  static constexpr int kDragDistance = 5;

  CVirtualSeriesVideo(CTarvoApp& app, WStringView caption, HttpFetchTimeouts timeouts);

  int ScrollOffset() const { return offset_; }
  int ContentHeight() const { return contentHeight_; }
  int VisibleHeight() const { return visibleHeight_; }
  int ScrollStep() const { return step_; }
  int Selected() const { return selected_; }
  const std::vector<SeriesCell>& Cells() const { return cells_; }
  const std::vector<PlayAddress>& Addresses() const { return addresses_; }
  const ui::ScrollBar& Bar() const { return bar_; }
  // The lowest offset: the content's end at the canvas's bottom, never above 0.
  int LowestOffset() const;
  void Scroll(ScrollCode code, int position = 0);

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnOK() override { Back(); }
  void OnCancel() override { Back(); }
  void OnPaint(ui::Canvas& canvas) override;
  // Leaving full screen to play moves the window: the bar and "返回" follow.
  void OnSize() override { LayOut(); }
  void OnPenDown(ui::Point point) override;
  void OnPenMove(ui::Point point) override;
  void OnPenUp(ui::Point point) override;
  bool OnTapAndHold(ui::Point point) override;
  bool OnKeyDown(int key) override;
  void DescribePainted(std::vector<ui::PaintedText>& out) const override;

 protected:
  // Lays the content out into the cells (SetCells).
  virtual void LoadSeries() {}
  // The parse-page request that resolves an item.
  virtual WString SourceOf(int item) const = 0;
  void SetCells(std::vector<SeriesCell> cells, int contentHeight);
  void LayOut() override;
  void Back();
  // A pen-up that was no drag, on this screen: plays the item under it.
  virtual void OnCellTap(ui::Point client);
  // Ends the press: the release that follows is not a tap.
  void EndPress();
  // The tap-and-hold menu: "下载", sending command to this screen.
  void ShowDownloadMenu(ui::Point client, int command);
  // The item of the cell under a client point, or -1.
  int ItemAt(ui::Point client) const;
  // The index in Cells() of the item cell under a client point, or -1.
  int CellAt(ui::Point client) const;
  void Play(int item);

 private:
  void SetOffset(int offset);
  void Download();
  int64_t Now() const;

  HttpFetchTimeouts timeouts_;
  CSkinButton back_;
  // Shows offset and content; its moves scroll the canvas, and every other
  // scroll moves it (position = -offset).
  ui::ScrollBar bar_;
  std::vector<SeriesCell> cells_;
  std::vector<PlayAddress> addresses_;
  int offset_ = 0;
  int step_ = 0;
  int visibleHeight_ = 0;
  int contentHeight_ = 0;
  int lastY_ = 0;
  int64_t downTick_ = 0;
  bool tap_ = false;
  bool pressed_ = false;
  int selected_ = -1;
};

}  // namespace tarvo::video
