#include "tv/screens/CRecommendTV.h"

#include "launcher/controls/DialogPrompts.h"
#include "launcher/controls/JoinedRow.h"
#include "net/Connection.h"
#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "tv/screens/CSelfDefinedTV.h"

namespace tarvo {
namespace {

// The row height comes from an icon as high as 16/9 of the text height.
int RowHeightFor(const ScreenMetrics& metrics) { return metrics.TextHeight * 16 / 9 * 3 / 2; }

}  // namespace

CRecommendTV::CRecommendTV(CTarvoApp& app)
    : ui::Dialog(app.GetUi(), kCaption),
      app_(app),
      myTvFile_(app.GetDevice().Files(), app.ProgramDir + u"temp\\" + kTvListFileName),
      player_(app.GetDevice()) {}

CRecommendTV::~CRecommendTV() {
  StopListening();
  if (fetch_) fetch_->StopAndJoin(kStopBound);
}

bool CRecommendTV::OnInitDialog() {
  ui::Ui& ui = GetUi();
  fetch_ = std::make_unique<ui::BackgroundAction>(*this);
  SetOkButton(true);
  ui::MenuBar bar;
  bar.AddPopup(u"选项", ui::Menu()
                            .Add(u"使用说明", kHelpCommand)
                            .Add(u"刷新推荐电视", kRefreshCommand)
                            .Add(u"我的电视", kMyTvCommand));
  SetMenuBar(bar);
  connectionMessage_ = ui.RegisterWindowMessage(ToUtf8(kConnectionStatusMessage));
  connectionListener_ = app_.GetDevice().Connections().AddStatusListener(
      [&ui, handle = Handle(), message = connectionMessage_](uint32_t status) {
        ui.PostMessage(handle, message, status, 0);
      });
  landscape_ = ui.ScreenWidth() > ui.ScreenHeight();
  list_.Create(this, ui::Rect{}, kListId);
  list_.SetFullRowSelect(true);
  list_.SetRowHeight(RowHeightFor(app_.Metrics));
  list_.InsertColumn(0, u"电视名称", ui.ScreenWidth() - app_.Metrics.ScrollBarWidth);
  const RowStyle style = SettingsRowStyle();
  list_.SetCustomDraw([this, style](ui::ListRowDraw& draw) {
    return DrawJoinedRow(draw, style, GetUi().ScreenWidth() - app_.Metrics.ScrollBarWidth);
  });
  PlaceControls();
  if (myTvFile_.Load(myTv_) == MyTvLoadStatus::kUnparsable) Tell(kTvListOpenFailed);
  FillRows();
  if (recommended_.empty()) StartFetch();
  return true;
}

void CRecommendTV::PlaceControls() {
  if (!list_.IsCreated()) return;
  list_.MoveWindow(ClientRect());
  list_.SetColumnWidth(0, GetUi().ScreenWidth() - app_.Metrics.ScrollBarWidth);
}

void CRecommendTV::OnSize() { PlaceControls(); }

void CRecommendTV::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  const bool landscape = GetUi().ScreenWidth() > GetUi().ScreenHeight();
  if (change == ui::SettingChange::Rotation && landscape != landscape_) {
    landscape_ = landscape;
    app_.Metrics.ScreenWidth = GetUi().ScreenWidth();
    app_.Metrics.ScreenHeight = GetUi().ScreenHeight();
  }
  PlaceControls();
  Invalidate();
}

void CRecommendTV::FillRows() {
  list_.DeleteAllItems();
  for (const TvChannel& channel : myTv_) list_.InsertItem(list_.ItemCount(), channel.name);
  for (const TvChannel& channel : recommended_) list_.InsertItem(list_.ItemCount(), channel.name);
}

void CRecommendTV::Tell(WStringView text) { ui::MessageBox(this, text, u"Tarvo", ui::kMbOk); }

// Only values go to the worker; the result comes back through a post that
// finds the screen by its handle.
void CRecommendTV::StartFetch() {
  if (Fetching()) return;
  const WString server = FromUtf8(app_.GetDevice().Profile().Server("ContentServer"));
  const HttpFetchTimeouts timeouts = HttpFetchTimeouts::ForDevice(app_.GetDevice().Profile());
  const std::string codePage = app_.GetDevice().CodePage();
  ui::Ui* ui = &GetUi();
  const ui::WindowHandle handle = Handle();
  fetch_->Start(
      [server, timeouts, codePage, ui, handle](ui::BackgroundAction::Context& context) {
        TvFetchResult result = FetchRecommendedTv(server, timeouts, codePage, context.StopFlag());
        if (context.StopRequested()) return;
        context.Post([ui, handle, generation = context.Generation(), result = std::move(result)]() mutable {
          if (auto* screen = dynamic_cast<CRecommendTV*>(ui->FromHandle(handle)))
            screen->TakeFetchResult(generation, std::move(result));
        });
      },
      ui::BackgroundAction::Cursor::Wait);
}

void CRecommendTV::TakeFetchResult(int generation, TvFetchResult result) {
  if (generation != fetch_->Generation() || result.outcome == TvFetchOutcome::kStopped) return;
  if (result.outcome == TvFetchOutcome::kOk || result.outcome == TvFetchOutcome::kEmpty) {
    // A result replaces the list: a second fetch never adds its rows twice.
    recommended_ = std::move(result.channels);
    FillRows();
  }
  const WString message = TvFetchMessage(result.outcome);
  if (message.empty()) return;
  DialogPrompts prompts(this);
  if (EnsureConnected(app_.GetDevice().Connections(), prompts) && IsCreated()) Tell(message);
}

bool CRecommendTV::OnCommand(int id, int code) {
  if (id == kListId) {
    if (code == ui::kItemActivated) PlayRow(list_.GetSelected());
    return true;
  }
  switch (id) {
    case kHelpCommand: Tell(kTvHelpText); return true;
    case kRefreshCommand: Refresh(); return true;
    case kMyTvCommand: OpenMyTv(); return true;
    default: return ui::Dialog::OnCommand(id, code);
  }
}

void CRecommendTV::PlayRow(int row) {
  const int mine = static_cast<int>(myTv_.size());
  WString url;
  if (row >= 0 && row < mine) {
    url = myTv_[static_cast<size_t>(row)].url;
  } else if (row >= mine && row - mine < static_cast<int>(recommended_.size())) {
    url = recommended_[static_cast<size_t>(row - mine)].url;
  }
  TvPlayOutcome outcome;
  {
    ui::WaitCursorHold wait(GetUi());
    outcome = player_.Play(url);
  }
  const WString message = TvPlayMessage(outcome);
  if (!message.empty()) Tell(message);
}

void CRecommendTV::Refresh() {
  if (!recommended_.empty()) {
    if (ui::MessageBox(this, kTvRefetchQuestion, u"Tarvo", ui::kMbYesNo | ui::kMbIconQuestion) != ui::kIdYes) return;
    if (!IsCreated()) return;
  }
  // The running fetch ends first, so nothing writes the list while it is emptied.
  fetch_->StopAndJoin(kStopBound);
  recommended_.clear();
  FillRows();
  DialogPrompts prompts(this);
  if (EnsureConnected(app_.GetDevice().Connections(), prompts) && IsCreated()) StartFetch();
}

void CRecommendTV::OpenMyTv() {
  CSelfDefinedTV editor(app_, myTvFile_, myTv_);
  const size_t before = myTv_.size();
  if (editor.DoModal() != ui::kIdOk || !IsCreated()) return;
  if (editor.Channels().size() == before) return;
  myTv_ = editor.Channels();
  FillRows();
}

intptr_t CRecommendTV::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == connectionMessage_ && connectionMessage_ != 0) {
    if (static_cast<uint32_t>(wParam) == kConnectionStatusConnected) {
      auto type = GetConnectionType(app_.GetDevice().Connections());
      if (type && *type != kVoiceConnection && GetUi().ActiveWindow() == this && !Fetching()) StartFetch();
    }
  }
  return ui::Dialog::OnMessage(message, wParam, lParam);
}

bool CRecommendTV::OnTapAndHold(ui::Point) { return true; }

void CRecommendTV::StopListening() {
  if (connectionListener_ == 0) return;
  app_.GetDevice().Connections().RemoveStatusListener(connectionListener_);
  connectionListener_ = 0;
}

void CRecommendTV::Close(int code) {
  StopListening();
  if (fetch_) fetch_->StopAndJoin(kStopBound);
  EndDialog(code);
}

void CRecommendTV::OnOK() { Close(ui::kIdOk); }
void CRecommendTV::OnCancel() { Close(ui::kIdCancel); }

}  // namespace tarvo
