#include "video/screens/CVirtualVideo.h"

#include "launcher/controls/PageButtons.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"
#include "video/LineFitting.h"

namespace tarvo::video {
namespace {

constexpr ui::Color kSelectedRow = ui::Rgb(117, 138, 169);
constexpr int kTextLeft = CVirtualVideo::kThumbnailSize + 5;
constexpr size_t kMaxLines = 3;

ui::Canvas Placeholder() {
  ui::Canvas picture(CVirtualVideo::kThumbnailSize, CVirtualVideo::kThumbnailSize, ui::PixelFormat::Xrgb,
                     0xFFE4E8EE);
  picture.FrameRect(ui::Rect{0, 0, picture.Width(), picture.Height()}, ui::Rgb(190, 198, 210));
  return picture;
}

std::vector<WString> SplitLines(WStringView text) {
  std::vector<WString> lines;
  size_t start = 0;
  while (lines.size() < kMaxLines) {
    const size_t end = text.find(u'\n', start);
    lines.emplace_back(text.substr(start, end == WStringView::npos ? WStringView::npos : end - start));
    if (end == WStringView::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

CVirtualVideo::CVirtualVideo(CTarvoApp& app, WStringView caption, ThumbnailLoader& thumbnails)
    : CVirtualDialog(app, caption), thumbnails_(thumbnails), placeholder_(Placeholder()) {}

CVirtualVideo::~CVirtualVideo() { thumbnails_.Stop(); }

bool CVirtualVideo::OnInitDialog() {
  FileAccess& files = app_.GetDevice().Files();
  if (!files.FolderExists(thumbnails_.Folder())) files.CreateFolder(thumbnails_.Folder());
  const int style = EnsurePageButtonStyle(app_.Metrics, app_.Config(), app_.ConfigPath);
  previous_.Create(this, ui::Rect{}, kPreviousId);
  previous_.SetText(u"上一页");
  next_.Create(this, ui::Rect{}, kNextId);
  next_.SetText(u"下一页");
  SetPageButtonImages(previous_, next_, style, app_.Metrics.ResolutionClass, app_.ProgramDir, app_.ImagingFactory,
                      files);
  back_.Create(u"返回", ui::Rect{}, this, kBackId);
  back_.LoadBitmaps(app_.Imaging(), app_.ProgramDir, 182, 181);
  list_.Create(this, ui::Rect{}, kListId);
  list_.SetShowHeader(false);
  list_.SetFullRowSelect(true);
  list_.SetImageList(&images_);
  list_.InsertColumn(0, u"", app_.Metrics.ScreenWidth - app_.Metrics.ScrollBarWidth);
  list_.SetCustomDraw([this](ui::ListRowDraw& draw) { return DrawRow(draw); });
  SetOkButton(true);
  ui::EnterFullScreen(*this, true);
  LayOut();
  FillList();
  return true;
}

void CVirtualVideo::LayOut() {
  if (!list_.IsCreated()) return;
  const ScreenMetrics& m = app_.Metrics;
  const int width = GetUi().ScreenWidth();
  const int barTop = ClientRect().bottom - m.ButtonHeight;
  previous_.MoveWindow(ui::Rect{0, barTop, m.ButtonWidth, barTop + m.ButtonHeight});
  next_.MoveWindow(ui::Rect{m.ButtonWidth + 5, barTop, 2 * m.ButtonWidth + 5, barTop + m.ButtonHeight});
  const int backRight = width - m.ScrollBarWidth;
  back_.MoveWindow(ui::Rect{backRight - m.ButtonWidth, barTop, backRight, barTop + m.ButtonHeight});
  list_.MoveWindow(ui::Rect{0, 0, width, barTop});
  list_.SetColumnWidth(0, width - m.ScrollBarWidth);
  MarkLaidOut();
}

int CVirtualVideo::TextWidth() const {
  return app_.Metrics.ScreenWidth - app_.Metrics.ScrollBarWidth - (kThumbnailSize + 5);
}

int CVirtualVideo::AddRow(WStringView text) {
  const int image = images_.Add(placeholder_);
  return list_.InsertItem(list_.ItemCount(), text, image);
}

void CVirtualVideo::StartThumbnails(std::vector<ThumbnailJob> jobs) {
  thumbnails_.Start(std::move(jobs), [this](int row, const WString& path) {
    if (auto picture = app_.Imaging().Load(path)) {
      images_.Replace(list_.GetItemImage(row), *picture);
      list_.Invalidate();
    }
  });
}

void CVirtualVideo::StopThumbnails() {
  ui::WaitCursorHold wait(GetUi());
  thumbnails_.Stop();
  images_.Clear();
  list_.DeleteAllItems();
}

void CVirtualVideo::Back() {
  thumbnails_.Stop();
  KillTimer(1);
  ui::EnterFullScreen(*this, false);
  EndDialog(ui::kIdOk);
}

void CVirtualVideo::OnActivate(bool active) {
  if (active && IsModalRunning()) ui::EnterFullScreen(*this, true);
  CVirtualDialog::OnActivate(active);
}

bool CVirtualVideo::OnCommand(int id, int code) {
  if (id == kListId) {
    if (code == ui::kItemActivated && list_.GetSelected() >= 0) OnRowTapped(list_.GetSelected());
    return true;
  }
  if (code == ui::kClicked && id == kPreviousId) {
    if (page_ < 2) {
      ui::MessageBox(this, u"已经是第一页！", u"Tarvo", ui::kMbOk);
      return true;
    }
    StopThumbnails();
    --page_;
    LoadPage();
    return true;
  }
  if (code == ui::kClicked && id == kNextId) {
    if (noNextPage_) {
      ui::MessageBox(this, u"已经是最后一页！", u"Tarvo", ui::kMbOk);
      return true;
    }
    StopThumbnails();
    ++page_;
    LoadPage();
    return true;
  }
  if (code == ui::kClicked && id == kBackId) {
    Back();
    return true;
  }
  return CVirtualDialog::OnCommand(id, code);
}

bool CVirtualVideo::DrawRow(ui::ListRowDraw& draw) {
  ui::Canvas& canvas = draw.canvas;
  const ui::Rect& row = draw.rect;
  const int imageTop = row.top + (row.Height() - kThumbnailSize) / 2;
  images_.Draw(canvas, list_.GetItemImage(draw.row), ui::Point{row.left, imageTop});
  const ui::Rect label{row.left + kThumbnailSize + 2, row.top, row.right, row.bottom};
  canvas.FillRect(label, draw.selected ? kSelectedRow : ui::theme::kWindow);
  const ui::Font& font = list_.GetFont();
  const ui::Color color = draw.selected ? ui::theme::kHighlightText : ui::theme::kButtonText;
  const int lineHeight = font.Height() + 2;
  const auto width = [&font](char16_t c) { return font.CharWidth(c); };
  int y = row.top + 4;
  for (const WString& line : SplitLines(list_.GetItemText(draw.row, 0))) {
    canvas.DrawText(font, FitLine(line, width, TextWidth()),
                    ui::Rect{row.left + kTextLeft, y, row.right, y + lineHeight}, color);
    y += lineHeight;
  }
  return true;
}

WString CVirtualVideo::PageLabel() const { return Format(u"第 %d 页", page_); }

ui::Rect CVirtualVideo::PageLabelRect() const {
  const ScreenMetrics& m = app_.Metrics;
  const ui::Rect client = ClientRect();
  return ui::Rect{2 * m.ButtonWidth + 15, client.bottom - m.ButtonHeight, client.right, client.bottom};
}

void CVirtualVideo::OnPaint(ui::Canvas& canvas) {
  CVirtualDialog::OnPaint(canvas);
  canvas.DrawText(GetFont(), PageLabel(), PageLabelRect(), ui::theme::kButtonText);
}

void CVirtualVideo::DescribePainted(std::vector<ui::PaintedText>& out) const {
  const ui::Rect rect = PageLabelRect();
  out.push_back(ui::PaintedText{PageLabel(), ui::Rect{rect.left, rect.top, rect.left + GetFont().TextWidth(PageLabel()),
                                                      rect.bottom}});
}

void CVirtualVideo::DescribeValues(ui::DescribedValues& out) const {
  int ready = 0;
  for (int row = 0; row < list_.ItemCount(); ++row) ready += thumbnails_.IsReady(row) ? 1 : 0;
  out.emplace_back("thumbnails", std::to_string(ready));
}

}  // namespace tarvo::video
