#include "video/screens/CVirtualVideoDetail.h"

#include "launcher/controls/ButtonRow.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"
#include "video/screens/Playback.h"

namespace tarvo::video {
namespace {

constexpr int kPictureTop = 10;
constexpr int kMargin = 4;
constexpr int kThumbnailPollMs = 500;

}  // namespace

CVirtualVideoDetail::CVirtualVideoDetail(CTarvoApp& app, WStringView caption, DetailSubject subject,
                                         const ThumbnailLoader* thumbnails, HttpFetchTimeouts timeouts)
    : CVirtualDialog(app, caption), subject_(std::move(subject)), thumbnails_(thumbnails), timeouts_(timeouts) {}

bool CVirtualVideoDetail::OnInitDialog() {
  buttons_ = CreateSkinButtons(this, {u"播放", u"下载", u"返回"}, kPlayId, app_.Imaging(), app_.ProgramDir, 182, 181);
  SetOkButton(true);
  ui::EnterFullScreen(*this, true);
  LayOut();
  if (!TryLoadPicture()) SetTimer(kThumbnailTimer, kThumbnailPollMs);
  return true;
}

void CVirtualVideoDetail::LayOut() {
  if (buttons_.empty()) return;
  const ScreenMetrics& m = app_.Metrics;
  const auto rects = BottomButtonRow(ClientRect(), static_cast<int>(buttons_.size()), m.ButtonWidth, m.ButtonHeight);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->MoveWindow(rects[i]);
  MarkLaidOut();
}

bool CVirtualVideoDetail::TryLoadPicture() {
  if (thumbnails_ == nullptr || !thumbnails_->IsReady(subject_.row)) return false;
  picture_ = app_.Imaging().Load(subject_.thumbnail);
  return picture_.has_value();
}

void CVirtualVideoDetail::OnTimer(int id) {
  if (id != kThumbnailTimer) return;
  if (!TryLoadPicture()) return;
  KillTimer(kThumbnailTimer);
  Invalidate();
  UpdateWindow();
}

bool CVirtualVideoDetail::Resolve() {
  return !addresses_.empty() || ResolvePlayAddress(app_, subject_.source, addresses_, timeouts_);
}

void CVirtualVideoDetail::Back() {
  KillTimer(kThumbnailTimer);
  ui::EnterFullScreen(*this, false);
  EndDialog(ui::kIdOk);
}

bool CVirtualVideoDetail::OnCommand(int id, int code) {
  if (code != ui::kClicked) return CVirtualDialog::OnCommand(id, code);
  switch (id) {
    case kPlayId:
      if (Resolve()) PlayPlaylist(app_);
      return true;
    case kDownloadId:
      if (!Resolve()) return true;
      ui::EnterFullScreen(*this, false);
      OpenDownloadManager(app_, addresses_);
      if (IsCreated()) ui::EnterFullScreen(*this, true);
      return true;
    case kBackId:
      Back();
      return true;
    default:
      return CVirtualDialog::OnCommand(id, code);
  }
}

std::vector<ui::PaintedText> CVirtualVideoDetail::TextLines() const {
  const ui::Font& font = GetFont();
  const ui::Rect client = ClientRect();
  const int width = client.Width() - 2 * kMargin;
  std::vector<WString> paragraphs{u"标题:" + subject_.record.title};
  if (!subject_.record.intro.empty()) paragraphs.push_back(u"简介:" + subject_.record.intro);
  paragraphs.push_back(u"片长:" + subject_.record.duration);
  std::vector<ui::PaintedText> lines;
  int y = kPictureTop + kThumbnailSize + kMargin;
  const int bottom = client.bottom - app_.Metrics.ButtonHeight;
  const int lineHeight = font.Height() + 2;
  for (const WString& paragraph : paragraphs) {
    for (const WString& line : font.WrapLines(paragraph, width)) {
      if (y + lineHeight > bottom) return lines;
      lines.push_back(ui::PaintedText{line, ui::Rect{kMargin, y, kMargin + font.TextWidth(line), y + lineHeight}});
      y += lineHeight;
    }
  }
  return lines;
}

void CVirtualVideoDetail::OnPaint(ui::Canvas& canvas) {
  const ui::Rect client = ClientRect();
  ui::Canvas frame(client.Width(), client.Height());
  if (picture_) {
    const int left = (client.Width() - kThumbnailSize) / 2;
    frame.Stretch(*picture_, ui::Rect{0, 0, picture_->Width(), picture_->Height()},
                  ui::Rect{left, kPictureTop, left + kThumbnailSize, kPictureTop + kThumbnailSize});
  }
  for (const ui::PaintedText& line : TextLines())
    frame.DrawText(GetFont(), line.text, ui::Rect{line.rect.left, line.rect.top, client.right, line.rect.bottom},
                   ui::theme::kWindowText);
  canvas.Copy(frame, client, ui::Point{0, 0});
}

void CVirtualVideoDetail::DescribePainted(std::vector<ui::PaintedText>& out) const {
  for (ui::PaintedText& line : TextLines()) out.push_back(std::move(line));
}

}  // namespace tarvo::video
