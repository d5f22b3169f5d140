#include "video/screens/CHotVideo.h"

#include "launcher/controls/DialogPrompts.h"
#include "net/Connection.h"
#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"
#include "video/PlayAddress.h"
#include "video/screens/Playback.h"

namespace tarvo::video {
namespace {

constexpr ui::Color kSelectedRow = ui::Rgb(117, 138, 169);
constexpr char16_t kLoadFailed[] = u"搜索超时或网络错误";
constexpr char16_t kAtFirstPage[] = u"已经是第一页";
constexpr char16_t kAtLastPage[] = u"已经是最后一页";
constexpr int kTextLeft = 2;

std::vector<WString> ChannelHosts(const DeviceProfile& profile) {
  std::vector<WString> hosts;
  for (const std::string& host : profile.HotVideoChannels()) hosts.push_back(FromUtf8(host));
  return hosts;
}

}  // namespace

CHotVideo::CHotVideo(CTarvoApp& app)
    : CVirtualDialog(app, kCaption),
      server_(FromUtf8(app.GetDevice().Profile().Server("HotVideo"))),
      channels_(ChannelHosts(app.GetDevice().Profile())),
      timeouts_(HttpFetchTimeouts::ForDevice(app.GetDevice().Profile())) {}

CHotVideo::~CHotVideo() {
  StopListening();
  if (load_) load_->StopAndJoin(kStopBound);
}

bool CHotVideo::OnInitDialog() {
  ui::Ui& ui = GetUi();
  load_ = std::make_unique<ui::BackgroundAction>(*this);
  SetOkButton(true);
  ui::Menu categories;
  for (int i = 0; i < kHotCategoryCount; ++i) categories.Add(kHotCategoryNames[i], kFirstCategoryCommand + i);
  ui::MenuBar bar;
  bar.Add(u"刷新", kRefreshCommand);
  bar.AddPopup(u"菜单", ui::Menu()
                            .AddPopup(u"分类", categories)
                            .AddPopup(u"翻页", ui::Menu().Add(u"上一页", kPreviousCommand).Add(u"下一页", kNextCommand)));
  SetMenuBar(bar);
  connectionMessage_ = ui.RegisterWindowMessage(ToUtf8(kConnectionStatusMessage));
  connectionListener_ = app_.GetDevice().Connections().AddStatusListener(
      [&ui, handle = Handle(), message = connectionMessage_](uint32_t status) {
        ui.PostMessage(handle, message, status, 0);
      });
  list_.Create(this, ui::Rect{}, kListId);
  list_.SetShowHeader(false);
  list_.SetFullRowSelect(true);
  list_.SetRowHeight(app_.Metrics.TextHeight * 3 / 2);
  list_.InsertColumn(0, u"", ui.ScreenWidth() - app_.Metrics.ScrollBarWidth);
  list_.SetCustomDraw([this](ui::ListRowDraw& draw) { return DrawRow(draw); });
  LayOut();
  state_.view = kHotViewStart;
  if (items_.empty() && !Loading()) StartLoad();
  return true;
}

void CHotVideo::LayOut() {
  if (!list_.IsCreated()) return;
  list_.MoveWindow(ClientRect());
  list_.SetColumnWidth(0, GetUi().ScreenWidth() - app_.Metrics.ScrollBarWidth);
  MarkLaidOut();
}

void CHotVideo::OnSize() { LayOut(); }

bool CHotVideo::DrawRow(ui::ListRowDraw& draw) {
  ui::Canvas& canvas = draw.canvas;
  canvas.FillRect(draw.rect, draw.selected ? kSelectedRow : ui::theme::kWindow);
  const ui::Color color = draw.selected ? ui::theme::kHighlightText : ui::theme::kButtonText;
  const ui::Rect text{draw.rect.left + kTextLeft, draw.rect.top, draw.rect.right, draw.rect.bottom};
  canvas.DrawText(list_.GetFont(), list_.GetItemText(draw.row, 0) + u"  ", text, color,
                  ui::kAlignLeft | ui::kAlignVCenter);
  return true;
}

void CHotVideo::FillRows() {
  list_.DeleteAllItems();
  for (const HotItem& item : items_) list_.InsertItem(list_.ItemCount(), item.title);
}

// Only copies go to the worker; its one outcome comes back through a post
// that finds the screen by its handle.
void CHotVideo::StartLoad() {
  const std::vector<WString> paths = HotVideoPaths(state_.view, state_.page, channels_);
  ui::Ui* ui = &GetUi();
  const ui::WindowHandle handle = Handle();
  load_->Start(
      [paths, server = server_, page = state_.page, lastPage = state_.lastPage, timeouts = timeouts_, ui,
       handle](ui::BackgroundAction::Context& context) {
        const PageFetcher fetch = [&context, timeouts](const WString& url) -> std::optional<std::string> {
          HttpFetch fetched(url, timeouts, context.StopFlag());
          if (fetched.Content() == nullptr) return std::nullopt;
          return *fetched.Content();
        };
        HotLoadOutcome outcome = LoadHotPages(paths, server, page, lastPage, fetch);
        if (context.StopRequested()) return;
        context.Post([ui, handle, generation = context.Generation(), outcome = std::move(outcome)]() mutable {
          if (auto* screen = dynamic_cast<CHotVideo*>(ui->FromHandle(handle)))
            screen->TakeLoadOutcome(generation, std::move(outcome));
        });
      },
      ui::BackgroundAction::Cursor::Wait);
}

void CHotVideo::TakeLoadOutcome(int generation, HotLoadOutcome outcome) {
  if (closing_ || generation != load_->Generation()) return;
  video::TakeLoadOutcome(state_, outcome);
  if (outcome.kind == HotLoadKind::kLoaded) {
    items_ = std::move(outcome.items);
    FillRows();
    return;
  }
  if (outcome.kind != HotLoadKind::kNoBody) return;
  DialogPrompts prompts(this);
  if (EnsureConnected(app_.GetDevice().Connections(), prompts) && IsCreated() && !closing_)
    ui::MessageBox(this, kLoadFailed, u"Tarvo", ui::kMbOk);
}

// Stops the running load (its fetch too) and waits for it, still handling
// the screen's events; its outcome is thrown away.
void CHotVideo::StopLoad() {
  if (!load_) return;
  load_->Stop();
  load_->WaitDispatching(kStopBound);
}

void CHotVideo::Reload() {
  reloading_ = true;
  items_.clear();
  list_.DeleteAllItems();
  StopLoad();
  bool connected = false;
  if (!closing_) {
    DialogPrompts prompts(this);
    connected = EnsureConnected(app_.GetDevice().Connections(), prompts);
  }
  reloading_ = false;
  if (closing_ || !IsCreated()) return;
  if (!connected) {
    TakeRefusedLoad(state_);
    return;
  }
  StartLoad();
}

void CHotVideo::Turn(HotTurn turn) {
  switch (turn) {
    case HotTurn::kAtFirstPage: ui::MessageBox(this, kAtFirstPage, u"Tarvo", ui::kMbOk); return;
    case HotTurn::kAtLastPage: ui::MessageBox(this, kAtLastPage, u"Tarvo", ui::kMbOk); return;
    case HotTurn::kReload: Reload(); return;
  }
}

bool CHotVideo::OnCommand(int id, int code) {
  // While a reload waits for the stopped load, the screen takes no second command.
  if (reloading_ || closing_) return id == kListId || ui::Dialog::OnCommand(id, code);
  if (id == kListId) {
    if (code == ui::kItemActivated && list_.GetSelected() >= 0) PlayRow(list_.GetSelected());
    return true;
  }
  if (id >= kFirstCategoryCommand && id < kFirstCategoryCommand + kHotCategoryCount) {
    state_.view = id - kFirstCategoryCommand + 1;
    Reload();
    return true;
  }
  switch (id) {
    case kRefreshCommand: Reload(); return true;
    case kPreviousCommand: Turn(TurnToPrevious(state_)); return true;
    case kNextCommand: Turn(TurnToNext(state_)); return true;
    default: return CVirtualDialog::OnCommand(id, code);
  }
}

void CHotVideo::PlayRow(int row) {
  if (row < 0 || row >= static_cast<int>(items_.size())) return;
  const WString url = HotPlayUrl(items_[static_cast<size_t>(row)].url);
  if (!WriteUrlPlaylist(app_, url)) {
    ui::MessageBox(this, kPlaylistFailedMessage, u"Tarvo", ui::kMbOk);
    return;
  }
  PlayPlaylist(app_);
}

intptr_t CHotVideo::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == connectionMessage_ && connectionMessage_ != 0) {
    if (static_cast<uint32_t>(wParam) == kConnectionStatusConnected && !closing_ && !reloading_) {
      auto type = GetConnectionType(app_.GetDevice().Connections());
      if (type && *type != kVoiceConnection && GetUi().ActiveWindow() == this && !Loading()) StartLoad();
    }
    return 0;
  }
  return CVirtualDialog::OnMessage(message, wParam, lParam);
}

void CHotVideo::StopListening() {
  if (connectionListener_ == 0) return;
  app_.GetDevice().Connections().RemoveStatusListener(connectionListener_);
  connectionListener_ = 0;
}

// As OnOK: out of sight first, then the load is stopped and awaited, the
// items go and the dialog ends.
void CHotVideo::Close(int code) {
  if (closing_) return;
  closing_ = true;
  StopListening();
  Show(false);
  StopLoad();
  items_.clear();
  list_.DeleteAllItems();
  EndDialog(code);
}

void CHotVideo::OnOK() { Close(ui::kIdOk); }
void CHotVideo::OnCancel() { Close(ui::kIdOk); }

}  // namespace tarvo::video
