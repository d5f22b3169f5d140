#include "video/screens/CSokuSeriesVideo.h"

#include "platform/text/Utf8.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"
#include "video/screens/Playback.h"
#include "video/screens/SokuSession.h"
#include "video/soku/SokuEntryPages.h"

namespace tarvo::video {
namespace {

using namespace soku;

constexpr ui::Color kSelectedText = ui::Rgb(255, 0, 0);
constexpr ui::Color kCellText = ui::Rgb(0, 0, 255);
constexpr char16_t kGuideFailed[] = u"获取综艺列表失败!请稍后重试.";
constexpr char16_t kBadAddress[] = u"提示:视频地址错误.";

bool StartsWithHttp(WStringView link) { return link.substr(0, 4) == u"http"; }

}  // namespace

CSokuSeriesVideo::CSokuSeriesVideo(CTarvoApp& app, std::vector<SokuSeries> series, uint32_t mode,
                                   const VideoServers& servers, int cellChars)
    : CVirtualSeriesVideo(app, kCaption, servers.timeouts),
      series_(std::move(series)),
      mode_(mode),
      servers_(servers),
      cellChars_(cellChars == 5 ? 5 : 9) {}

bool CSokuSeriesVideo::PersonVariety() const { return (mode_ & kSokuPerson) && (mode_ & kSokuVariety); }
bool CSokuSeriesVideo::PersonTv() const { return (mode_ & kSokuPerson) && (mode_ & kSokuTv); }

void CSokuSeriesVideo::LoadSeries() {
  const ui::Font& font = GetFont();
  SokuGeometry geometry{app_.Metrics.ScreenWidth, VisibleHeight(), ScrollStep(), app_.Metrics.CharWidth,
                        app_.Metrics.ScrollBarWidth, [&font](WStringView text) { return font.TextWidth(text); }};
  layout_ = LayOutSokuSeries(series_, cellChars_, geometry);
  selectedCell_ = -1;
  SetCells(layout_.cells, layout_.contentHeight);
}

void CSokuSeriesVideo::LayOut() {
  // The base clears the flag: a turned screen's width is read first.
  const bool turned = LayoutDirty();
  CVirtualSeriesVideo::LayOut();
  if (turned) LoadSeries();
}

const VideoRecord* CSokuSeriesVideo::ItemOf(int item) const {
  if (item < 0 || item >= static_cast<int>(layout_.items.size())) return nullptr;
  const SokuCellItem& at = layout_.items[static_cast<size_t>(item)];
  return &series_[at.series].groups[at.group].items[at.index];
}

WString CSokuSeriesVideo::SourceOf(int item) const {
  const VideoRecord* record = ItemOf(item);
  if (record == nullptr) return {};
  const size_t http = record->url.find(u"http");
  if (http == WString::npos) return {};
  return PlayAddressSource(servers_.parsePage, WStringView(record->url).substr(http));
}

bool CSokuSeriesVideo::CollectGuide(const WString& pageUrl) {
  std::optional<std::string> body;
  {
    ui::WaitCursorHold wait(GetUi());
    body = SokuFetcher(servers_)(pageUrl);
  }
  if (!body) {
    ui::MessageBox(this, kFetchFailedMessage, u"Tarvo", ui::kMbOk | ui::kMbIconError);
    return false;
  }
  GuideLinks links = CollectGuideLinks(FromUtf8(*body), servers_.sokuBase);
  if (!links.ok) {
    if (!links.message.empty()) ui::MessageBox(this, links.message, u"Tarvo", ui::kMbOk);
    return false;
  }
  if (links.links.size() > kMaxFollowedPages) links.links.resize(kMaxFollowedPages);
  selection_ = std::move(links.links);
  return true;
}

bool CSokuSeriesVideo::Select(ui::Point client) {
  selection_.clear();
  const int previous = selectedCell_;
  selectedCell_ = -1;
  const int cell = CellAt(client);
  const VideoRecord* record = cell < 0 ? nullptr : ItemOf(Cells()[static_cast<size_t>(cell)].item);
  if (record != nullptr) {
    if (PersonVariety()) {
      if (!CollectGuide(servers_.sokuBase + record->url)) {
        ui::MessageBox(this, kGuideFailed, u"Tarvo", ui::kMbOk);
        selection_.clear();
      }
    } else if (PersonTv()) {
      selection_.push_back(StartsWithHttp(record->url) ? record->url : servers_.sokuBase + record->url);
    } else {
      const WString source = SourceOf(Cells()[static_cast<size_t>(cell)].item);
      if (source.empty())
        ui::MessageBox(this, kBadAddress, u"Tarvo", ui::kMbOk);
      else
        selection_.push_back(source);
    }
    if (!selection_.empty()) selectedCell_ = cell;
  }
  if (previous != selectedCell_) Invalidate();
  return selectedCell_ >= 0;
}

void CSokuSeriesVideo::OnCellTap(ui::Point client) {
  const int width = app_.Metrics.ScreenWidth;
  if (client.x < layout_.left || client.x > width - layout_.left) return;
  if (!Select(client)) return;
  if (PersonVariety() || PersonTv())
    OpenWorks();
  else
    PlaySelection();
}

void CSokuSeriesVideo::OpenWorks() {
  std::vector<SokuSeries> works;
  bool fetched = false;
  {
    ui::WaitCursorHold wait(GetUi());
    fetched = FetchSeriesPages(selection_, PersonVariety() ? kLabelLayout : kTabLayout, SokuFetcher(servers_), works);
  }
  if (!fetched) {
    ui::MessageBox(this, kFetchFailedMessage, u"Tarvo", ui::kMbOk | ui::kMbIconError);
    return;
  }
  CSokuSeriesVideo(app_, std::move(works), 0, servers_, PersonTv() ? 5 : 9).DoModal();
  if (IsCreated()) ui::EnterFullScreen(*this, true);
}

void CSokuSeriesVideo::PlaySelection() {
  std::vector<PlayAddress> addresses;
  if (ResolvePlayAddress(app_, selection_.front(), addresses, servers_.timeouts)) {
    ui::EnterFullScreen(*this, false);
    PlayPlaylist(app_);
  }
  selection_.clear();
  selectedCell_ = -1;
  Invalidate();
}

void CSokuSeriesVideo::DownloadSelection() {
  if (selectedCell_ < 0 || selection_.empty()) {
    ui::MessageBox(this, u"请选中一个再下载！", u"Tarvo", ui::kMbOk);
    return;
  }
  std::vector<PlayAddress> addresses;
  if (!ResolvePlayAddress(app_, selection_.front(), addresses, servers_.timeouts)) return;
  ui::EnterFullScreen(*this, false);
  OpenDownloadManager(app_, addresses);
  if (IsCreated()) ui::EnterFullScreen(*this, true);
}

bool CSokuSeriesVideo::OnTapAndHold(ui::Point point) {
  // A person's works take a hold as a plain tap.
  if (PersonVariety() || PersonTv()) return false;
  EndPress();
  Select(point);
  ShowDownloadMenu(point, kDownloadCommand);
  return true;
}

bool CSokuSeriesVideo::OnCommand(int id, int code) {
  if (id == kDownloadCommand) {
    DownloadSelection();
    return true;
  }
  return CVirtualSeriesVideo::OnCommand(id, code);
}

void CSokuSeriesVideo::OnPaint(ui::Canvas& canvas) {
  const ui::Rect client = ClientRect();
  ui::Canvas frame(client.Width(), VisibleHeight());
  const ui::Font& font = GetFont();
  const ui::Rect* selected =
      selectedCell_ >= 0 && selectedCell_ < static_cast<int>(Cells().size()) ? &Cells()[static_cast<size_t>(selectedCell_)].rect
                                                                          : nullptr;
  for (const SeriesCell& cell : Cells()) {
    const ui::Rect rect = cell.rect.Offset(0, ScrollOffset());
    if (rect.bottom < 0) continue;
    if (rect.top > VisibleHeight()) break;
    const ui::Color color = cell.item < 0 ? ui::theme::kWindowText
                            : (selected != nullptr && *selected == cell.rect) ? kSelectedText
                                                                              : kCellText;
    frame.DrawText(font, cell.text, rect, color);
  }
  canvas.FillRect(client, ui::theme::kWindow);
  canvas.Copy(frame, ui::Rect{0, 0, frame.Width(), frame.Height()}, ui::Point{0, 0});
}

}  // namespace tarvo::video
