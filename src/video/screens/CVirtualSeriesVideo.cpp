#include "video/screens/CVirtualSeriesVideo.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"
#include "video/screens/Playback.h"

namespace tarvo::video {
namespace {

constexpr ui::Color kSelectedCell = ui::Rgb(117, 138, 169);
constexpr ui::Color kPlayableText = ui::Rgb(0, 64, 160);

}  // namespace

CVirtualSeriesVideo::CVirtualSeriesVideo(CTarvoApp& app, WStringView caption, HttpFetchTimeouts timeouts)
    : CVirtualDialog(app, caption), timeouts_(timeouts) {}

bool CVirtualSeriesVideo::OnInitDialog() {
  ui::WaitCursorHold wait(GetUi());
  step_ = app_.Metrics.TextHeight * 3 / 2;
  SetOkButton(true);
  ui::EnterFullScreen(*this, true);
  back_.Create(u"返回", ui::Rect{}, this, kBackId);
  back_.LoadBitmaps(app_.Imaging(), app_.ProgramDir, 182, 181);
  bar_.Create(this, ui::Rect{}, kScrollBarId);
  LayOut();
  LoadSeries();
  return true;
}

void CVirtualSeriesVideo::LayOut() {
  const ScreenMetrics& m = app_.Metrics;
  const ui::Rect client = ClientRect();
  visibleHeight_ = client.bottom - m.ButtonHeight;
  const int right = client.right - m.ScrollBarWidth;
  if (back_.IsCreated())
    back_.MoveWindow(ui::Rect{right - m.ButtonWidth, visibleHeight_, right, client.bottom});
  if (bar_.IsCreated()) {
    bar_.MoveWindow(ui::Rect{right, 0, client.right, visibleHeight_});
    bar_.SetRange(contentHeight_, visibleHeight_);
  }
  SetOffset(offset_);
  MarkLaidOut();
}

void CVirtualSeriesVideo::SetCells(std::vector<SeriesCell> cells, int contentHeight) {
  cells_ = std::move(cells);
  contentHeight_ = contentHeight;
  if (bar_.IsCreated()) bar_.SetRange(contentHeight_, visibleHeight_);
  SetOffset(0);
}

int CVirtualSeriesVideo::LowestOffset() const { return std::min(0, -(contentHeight_ - visibleHeight_)); }

void CVirtualSeriesVideo::SetOffset(int offset) {
  offset_ = std::clamp(offset, LowestOffset(), 0);
  if (bar_.IsCreated()) bar_.SetPos(-offset_);
  Invalidate();
}

void CVirtualSeriesVideo::Scroll(ScrollCode code, int position) {
  switch (code) {
    case ScrollCode::LineUp: SetOffset(offset_ + step_); break;
    case ScrollCode::LineDown: SetOffset(offset_ - step_); break;
    case ScrollCode::PageUp: SetOffset(offset_ + visibleHeight_); break;
    case ScrollCode::PageDown: SetOffset(offset_ - visibleHeight_); break;
    case ScrollCode::Thumb: SetOffset(-position); break;
    case ScrollCode::Top: SetOffset(0); break;
    case ScrollCode::Bottom: SetOffset(LowestOffset()); break;
  }
}

bool CVirtualSeriesVideo::OnKeyDown(int key) {
  switch (key) {
    case ui::keys::kUp: Scroll(ScrollCode::LineUp); return true;
    case ui::keys::kDown: Scroll(ScrollCode::LineDown); return true;
    case ui::keys::kPageUp: Scroll(ScrollCode::PageUp); return true;
    case ui::keys::kPageDown: Scroll(ScrollCode::PageDown); return true;
    case ui::keys::kHome: Scroll(ScrollCode::Top); return true;
    default: return CVirtualDialog::OnKeyDown(key);
  }
}

int64_t CVirtualSeriesVideo::Now() const { return GetUi().GetClock().NowMs(); }

int CVirtualSeriesVideo::CellAt(ui::Point client) const {
  if (client.y >= visibleHeight_) return -1;
  const ui::Point content{client.x, client.y - offset_};
  for (size_t i = 0; i < cells_.size(); ++i)
    if (cells_[i].item >= 0 && cells_[i].rect.Contains(content)) return static_cast<int>(i);
  return -1;
}

int CVirtualSeriesVideo::ItemAt(ui::Point client) const {
  const int cell = CellAt(client);
  return cell < 0 ? -1 : cells_[static_cast<size_t>(cell)].item;
}

void CVirtualSeriesVideo::EndPress() {
  pressed_ = false;
  ReleaseCapture();
}

void CVirtualSeriesVideo::OnCellTap(ui::Point client) {
  const int item = ItemAt(client);
  if (item >= 0) Play(item);
}

void CVirtualSeriesVideo::OnPenDown(ui::Point point) {
  lastY_ = point.y;
  downTick_ = Now();
  tap_ = true;
  pressed_ = true;
  SetCapture();
}

void CVirtualSeriesVideo::OnPenMove(ui::Point point) {
  if (!pressed_) return;
  const int dy = point.y - lastY_;
  if (Now() - downTick_ >= kDragDelayMs && std::abs(dy) >= kDragDistance) {
    tap_ = false;
    SetOffset(offset_ + dy);
  } else {
    tap_ = true;
  }
  lastY_ = point.y;
}

void CVirtualSeriesVideo::OnPenUp(ui::Point point) {
  if (!pressed_) return;
  pressed_ = false;
  ReleaseCapture();
  if (!tap_) return;
  OnCellTap(point);
}

bool CVirtualSeriesVideo::OnTapAndHold(ui::Point point) {
  EndPress();
  const int item = ItemAt(point);
  if (item < 0) return true;
  selected_ = item;
  Invalidate();
  ShowDownloadMenu(point, kDownloadId);
  return true;
}

void CVirtualSeriesVideo::ShowDownloadMenu(ui::Point client, int command) {
  ui::MenuItem download;
  download.caption = u"下载";
  download.command = command;
  ui::TrackPopupMenu(GetUi(), {download}, ToScreen(client), this);
}

void CVirtualSeriesVideo::Play(int item) {
  selected_ = item;
  Invalidate();
  if (!ResolvePlayAddress(app_, SourceOf(item), addresses_, timeouts_)) return;
  ui::EnterFullScreen(*this, false);
  PlayPlaylist(app_);
  Invalidate();
}

void CVirtualSeriesVideo::Download() {
  if (selected_ < 0) {
    ui::MessageBox(this, u"请选中一个再下载！", u"Tarvo", ui::kMbOk);
    return;
  }
  if (!ResolvePlayAddress(app_, SourceOf(selected_), addresses_, timeouts_)) return;
  ui::EnterFullScreen(*this, false);
  OpenDownloadManager(app_, addresses_);
  if (IsCreated()) ui::EnterFullScreen(*this, true);
}

void CVirtualSeriesVideo::Back() {
  KillTimer(1);
  ui::EnterFullScreen(*this, false);
  EndDialog(ui::kIdOk);
}

bool CVirtualSeriesVideo::OnCommand(int id, int code) {
  if (id == kBackId && code == ui::kClicked) {
    Back();
    return true;
  }
  if (id == kScrollBarId && code == ui::kValueChanged) {
    SetOffset(-bar_.Pos());
    return true;
  }
  if (id == kDownloadId) {
    Download();
    return true;
  }
  return CVirtualDialog::OnCommand(id, code);
}

void CVirtualSeriesVideo::OnPaint(ui::Canvas& canvas) {
  const ui::Rect client = ClientRect();
  ui::Canvas frame(client.Width(), visibleHeight_);
  const ui::Font& font = GetFont();
  for (const SeriesCell& cell : cells_) {
    const ui::Rect rect = cell.rect.Offset(0, offset_);
    if (rect.bottom < 0 || rect.top > visibleHeight_) continue;
    const bool selected = cell.item >= 0 && cell.item == selected_;
    if (selected) frame.FillRect(rect, kSelectedCell);
    const ui::Color color = selected ? ui::theme::kHighlightText
                            : cell.item >= 0 ? kPlayableText
                                             : ui::theme::kWindowText;
    frame.DrawText(font, cell.text, rect, color);
  }
  canvas.FillRect(client, ui::theme::kWindow);
  canvas.Copy(frame, ui::Rect{0, 0, frame.Width(), frame.Height()}, ui::Point{0, 0});
}

void CVirtualSeriesVideo::DescribePainted(std::vector<ui::PaintedText>& out) const {
  for (const SeriesCell& cell : cells_) {
    const ui::Rect rect = cell.rect.Offset(0, offset_);
    if (rect.bottom <= 0 || rect.top >= visibleHeight_) continue;
    out.push_back(ui::PaintedText{cell.text, rect});
  }
}

}  // namespace tarvo::video
