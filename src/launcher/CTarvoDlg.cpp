#include "launcher/CTarvoDlg.h"

#include "app/shell/JokeWork.h"
#include "jokes/screens/CJoke.h"
#include "launcher/ItemIcon.h"
#include "launcher/items/ItemStart.h"
#include "launcher/LauncherFrame.h"
#include "launcher/TickerJobs.h"
#include "launcher/controls/OpenUrl.h"
#include "launcher/settings/CPersonalSet.h"
#include "net/Connection.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "platform/text/Utf8.h"

#include <nlohmann/json.hpp>

namespace tarvo {
namespace {

constexpr int kDragDelayMs = 50;
constexpr int kDragDistance = 5;
constexpr size_t kPathCapacity = 260;

}  // namespace

CTarvoDlg::CTarvoDlg(CTarvoApp& app) : ui::Dialog(app.GetUi(), u"Tarvo"), app_(app) {
  const ui::Font* font = &app.GetUi().NormalFont();
  // One source of picks, seeded once from the UI's tick count.
  ticker_ = std::make_unique<Ticker>([font](WStringView text) { return font->TextWidth(text); },
                                     SeededTickerRandom(static_cast<uint32_t>(app.GetUi().GetClock().NowMs())));
  RegisterTool(u"设置", [this] {
    CPersonalSet(app_).DoModal();
    if (!IsCreated()) return;
    if (app_.LauncherChanged) {
      Relayout();
      app_.LauncherChanged = false;
    }
    // The background may have changed too: draw the grid afresh either way.
    frameCache_.reset();
    ui::EnterFullScreen(*this, true);
    Invalidate();
  });
  // The item's dispatch leaves and re-enters full screen around it.
  RegisterTool(u"笑口常开", [this] { tarvo::OpenJokeReader(app_, std::nullopt); });
  RegisterTool(u"退出", [this] {
    if (app_.IsV9Device) {
      Minimise();
    } else {
      EndDialog(ui::kIdOk);
    }
  });
}

CTarvoDlg::~CTarvoDlg() {
  // The ticker's jobs report to this window: they end with it.
  if (tickerMailbox_) StopTickerJobs(app_);
  if (connectionListener_ != 0)
    app_.GetDevice().Connections().RemoveStatusListener(connectionListener_);
}

void CTarvoDlg::OpenJokeReader(std::optional<int> jokeIndex) {
  ui::EnterFullScreen(*this, false);
  toolOpen_ = true;
  tarvo::OpenJokeReader(app_, jokeIndex);
  toolOpen_ = false;
  if (!IsCreated()) return;
  ui::EnterFullScreen(*this, true);
  Invalidate();
}

void CTarvoDlg::RegisterTool(WStringView title, Tool tool) { tools_[WString(title)] = std::move(tool); }

bool CTarvoDlg::NormalTemplate() { return app_.TemplateStyle() == 0; }

bool CTarvoDlg::LoadBackground() {
  IniFile config = app_.Config();
  const WString chosen = config.ReadString(u"MainMenuBackImage", u"path", u"", kPathCapacity, app_.ConfigPath);
  const WString fallback = app_.ProgramDir + u"TarvoImage\\MainMenuBackImage.jpg";
  FileAccess& files = app_.GetDevice().Files();
  // A chosen picture that is gone or broken is reported, then the default
  // picture stands in; only when that fails too does the launcher give up.
  for (const WString& path : {chosen.empty() ? fallback : chosen, fallback}) {
    if (!files.FileExists(path)) {
      ui::MessageBox(GetUi(), kBackgroundMissing, u"Tarvo", ui::kMbOk);
    } else if (auto picture = app_.ImagingFactory->Load(path)) {
      app_.BackgroundBitmap = std::move(*picture);
      return true;
    } else {
      ui::MessageBox(GetUi(), kBackgroundBroken, u"Tarvo", ui::kMbOk);
    }
    if (path == fallback) break;
  }
  return false;
}

bool CTarvoDlg::OnInitDialog() {
  ui::Ui& ui = GetUi();
  connectionMessage_ = ui.RegisterWindowMessage("CONNMGR_STATUS_CHANGE_NOTIFICATION_MSG");
  // The connection manager posts status changes to the launcher's window.
  connectionListener_ = app_.GetDevice().Connections().AddStatusListener(
      [&ui, handle = Handle(), message = connectionMessage_](uint32_t status) {
        ui.PostMessage(handle, message, status, 0);
      });
  ScreenMetrics& metrics = app_.Metrics;
  metrics.TopBarHeight = WindowRect().top;
  metrics.BottomBarHeight = ui.ScreenHeight() - WindowRect().bottom;
  if (!LoadBackground()) {
    EndDialog(0);
    return true;
  }
  metrics.CharWidth = ui.NormalFont().CharWidth(U'恒');
  metrics.SixCharWidth = metrics.CharWidth * 6;
  metrics.MinCellWidth = metrics.CharWidth * 5;
  metrics.FirstColumnWidth = metrics.SixCharWidth;
  versionText_ = u"Tarvo V" + app_.AppVersion;
  stripWidth_ = (metrics.ResolutionClass == 3 || metrics.ResolutionClass == 4 ||
                 metrics.ResolutionClass == 7) ? 10 : 6;
  landscape_ = ui.ScreenWidth() > ui.ScreenHeight();
  Relayout();
  ui::EnterFullScreen(*this, true);
  if (NormalTemplate()) SetTimer(kTickerTimer, kTickerPeriodMs);
  StartJokeStore(app_);
  tickerMessage_ = ui.RegisterWindowMessage("TarvoTickerRefreshed");
  tickerMailbox_ = std::make_shared<TickerMailbox>();
  StartTickerJobs(app_, tickerMailbox_, [&ui, handle = Handle(), message = tickerMessage_] {
    ui.PostMessage(handle, message, 0, 0);
  });
  return true;
}

TickerJokes CTarvoDlg::JokesForTicker() const {
  TickerJokes jokes;
  const JokeCollection* store = &app_.Jokes;
  jokes.loaded = store->Facts().loaded;
  jokes.count = [store] { return static_cast<size_t>(std::max(0, store->Count())); };
  jokes.text = [store](size_t index) { return store->JokeAt(static_cast<int>(index)).value_or(WString()); };
  return jokes;
}

void CTarvoDlg::StartTickerTimer() {
  if (!GetUi().HasTimer(this, kTickerTimer)) SetTimer(kTickerTimer, kTickerPeriodMs);
}

void CTarvoDlg::OnTickerTimer() {
  ticker_->Tick(JokesForTicker(), [this](const TickerRepaint&) {
    Invalidate();
    UpdateWindow();
  });
}

void CTarvoDlg::ApplyTickerRefresh() {
  auto result = tickerMailbox_ ? tickerMailbox_->Take() : std::nullopt;
  if (!result) return;
  ticker_->ApplyConfig(result->config);
  if (result->messages) ticker_->SetMessages(std::move(*result->messages));
  // The server's "show" turns the ticker on or off in either template.
  if (result->config.show != 0) {
    StartTickerTimer();
  } else {
    KillTimer(kTickerTimer);
  }
  Invalidate();
}

void CTarvoDlg::OnTickerTap() {
  const TickerTapAction action = ticker_->TickerTap();
  if (action.kind == TickerTapAction::Kind::None) return;
  // The flash: the text turns red at once, then the action runs.
  Invalidate();
  UpdateWindow();
  ui::EnterFullScreen(*this, false);
  KillTimer(kTickerTimer);
  switch (action.kind) {
    case TickerTapAction::Kind::Joke:
      toolOpen_ = true;
      tarvo::OpenJokeReader(app_, action.jokeIndex);
      toolOpen_ = false;
      break;
    case TickerTapAction::Kind::Url:
      OpenUrl(app_, action.url);
      break;
    default:
      break;
  }
  if (!IsCreated()) return;
  ui::EnterFullScreen(*this, true);
  ticker_->Restore(JokesForTicker());
  if (NormalTemplate()) StartTickerTimer();
  Invalidate();
}

void CTarvoDlg::PaintTicker(ui::Canvas& canvas) {
  if (!ticker_->Showing()) return;
  canvas.BlendRect(tickerRect_, kTickerColor, 120);
  const int left = ticker_->TextLeft();
  const uint32_t rgb = ticker_->TextColour();
  const ui::Color colour = ui::Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  canvas.DrawText(GetUi().NormalFont(), ticker_->CurrentText(),
                  ui::Rect{left, tickerRect_.top, left + ticker_->TextWidth(), tickerRect_.bottom}, colour,
                  ui::kAlignLeft | ui::kAlignTop);
}

void CTarvoDlg::DescribePainted(std::vector<ui::PaintedText>& out) const {
  if (ticker_->Showing()) out.push_back(ui::PaintedText{ticker_->CurrentText(), tickerRect_});
}

void CTarvoDlg::DescribeValues(ui::DescribedValues& out) const {
  const Ticker& t = *ticker_;
  const TickerConfig& config = t.Config();
  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  for (const MessageGroup& g : config.groups)
    groups.push_back({{"total", g.total}, {"start", g.start}, {"end", g.end}, {"step", g.step}});
  nlohmann::ordered_json messages = nlohmann::ordered_json::array();
  for (const TickerMessage& m : t.Messages())
    messages.push_back({{"action", m.action}, {"url", ToUtf8(m.url)}, {"text", ToUtf8(m.text)}});
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%06X", t.TextColour());
  nlohmann::ordered_json ticker = {
      {"enabled", t.Enabled()},
      {"timer", GetUi().HasTimer(this, kTickerTimer)},
      {"kind", t.CurrentKind()},
      {"text", ToUtf8(t.CurrentText())},
      {"textX", t.TextX()},
      {"colour", colour},
      {"config", {{"show", config.show}, {"frequency", config.frequency}, {"types", config.types},
                  {"groups", groups}}},
      {"messages", messages}};
  out.emplace_back("ticker", ticker.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
}

void CTarvoDlg::Relayout() {
  ScreenMetrics& metrics = app_.Metrics;
  metrics.ScreenWidth = GetUi().ScreenWidth();
  metrics.ScreenHeight = GetUi().ScreenHeight();
  GridLayout& layout = *app_.Layout;
  layout.SetScreenHeight(metrics.ScreenHeight);
  layout.Relayout(metrics.ScreenWidth > metrics.ScreenHeight, 0,
                  static_cast<int>(app_.LauncherItems.size()));
  scrollOffset_ = 0;
  frameCache_.reset();
  thumbLength_ = metrics.ScreenHeight * metrics.ScreenHeight / layout.ContentHeight();
  tickerRect_ = ui::Rect{0, metrics.ScreenHeight - metrics.TextHeight * 3 / 2, metrics.ScreenWidth,
                         metrics.ScreenHeight};
  ticker_->SetScreenWidth(metrics.ScreenWidth);
  Invalidate();
}

void CTarvoDlg::RenderFrameCacheIfNeeded() {
  if (frameCache_) return;
  FrameInputs inputs;
  inputs.layout = app_.Layout.get();
  inputs.items = &app_.LauncherItems;
  inputs.background = &app_.BackgroundBitmap;
  inputs.font = &GetUi().NormalFont();
  inputs.versionText = versionText_;
  inputs.width = app_.Metrics.ScreenWidth;
  inputs.loadIcon = [this](const LauncherItem& item) -> std::optional<ui::Canvas> {
    const auto path = ItemIconPath(item, app_.GetDevice().Files(), app_.ProgramDir);
    if (!path) return std::nullopt;
    return app_.ImagingFactory->Load(*path);
  };
  frameCache_ = RenderFrameCache(inputs);
}

void CTarvoDlg::OnPaint(ui::Canvas& canvas) {
  RenderFrameCacheIfNeeded();
  const int width = ClientRect().Width(), height = ClientRect().Height();
  const int band = app_.Layout->BandHeight();
  const int content = app_.Layout->ContentHeight();
  // The grid's first row lands at the scroll offset, the top band just above it.
  const int gridTop = scrollOffset_;
  if (gridTop - band > 0) canvas.FillRect(ui::Rect{0, 0, width, gridTop - band}, kBandColor);
  const int gridBottom = gridTop + content + band;
  if (gridBottom < height) canvas.FillRect(ui::Rect{0, gridBottom, width, height}, kBandColor);
  const int copyWidth = dragging_ ? width - stripWidth_ : width;
  canvas.Copy(*frameCache_, ui::Rect{0, 0, copyWidth, frameCache_->Height()},
              ui::Point{0, gridTop - band});
  if (dragging_) PaintStrip(canvas, height);
  PaintTicker(canvas);
}

void CTarvoDlg::PaintStrip(ui::Canvas& canvas, int bottom) {
  const int left = ClientRect().Width() - stripWidth_;
  const int right = ClientRect().Width();
  if (scrollOffset_ >= 1) {
    const int thumbEnd = std::clamp(thumbLength_ - scrollOffset_, 0, bottom);
    canvas.FillRect(ui::Rect{left, 0, right, thumbEnd}, kThumbColor);
    canvas.FillRect(ui::Rect{left, thumbEnd, right, bottom}, kBandColor);
  } else {
    const int thumbStart = std::clamp(-scrollOffset_, 0, bottom);
    canvas.FillRect(ui::Rect{left, 0, right, thumbStart}, kBandColor);
    canvas.FillRect(ui::Rect{left, thumbStart, right, bottom}, kThumbColor);
  }
}

void CTarvoDlg::OnPenDown(ui::Point point) {
  // A press on the band while it shows text is the ticker's, not the icon's below.
  if (ticker_->Showing() && tickerRect_.Contains(point)) {
    OnTickerTap();
    return;
  }
  selectedItem_ = app_.Layout->HitTest(point.x, point.y, scrollOffset_);
  pressTime_ = GetUi().GetClock().NowMs();
  lastY_ = point.y;
  moveCount_ = 0;
  clickCandidate_ = true;
  buttonDown_ = true;
  KillTimer(kSpringTimer);
  SetCapture();
}

void CTarvoDlg::OnPenMove(ui::Point point) {
  if (!buttonDown_) return;
  const int distance = point.y - lastY_;
  if (GetUi().GetClock().NowMs() - pressTime_ >= kDragDelayMs &&
      std::abs(distance) >= kDragDistance) {
    scrollOffset_ += distance;
    clickCandidate_ = false;
    dragging_ = true;
    lastY_ = point.y;
    Invalidate();
  } else {
    clickCandidate_ = true;
  }
  ++moveCount_;
}

void CTarvoDlg::OnPenUp(ui::Point) {
  if (!buttonDown_) return;
  buttonDown_ = false;
  ReleaseCapture();
  const bool moved = SpringBackStep(scrollOffset_, app_.Layout->ContentHeight(), app_.Metrics.ScreenHeight);
  if (moved || dragging_) {
    dragging_ = false;
    clickCandidate_ = false;
    Invalidate();
  }
  if (moved) SetTimer(kSpringTimer, kSpringPauseMs);
  const bool tap = clickCandidate_ && moveCount_ < 2;
  moveCount_ = 0;
  if (tap) StartItem(selectedItem_);
}

void CTarvoDlg::OnTimer(int id) {
  if (id == kSpringTimer) {
    // One spring-back step per pause, each shown as its own frame.
    if (buttonDown_ || !SpringBackStep(scrollOffset_, app_.Layout->ContentHeight(),
                                       app_.Metrics.ScreenHeight)) {
      KillTimer(kSpringTimer);
    }
    Invalidate();
  }
  if (id == kTickerTimer) OnTickerTimer();
}

void CTarvoDlg::StartItem(int index) {
  if (index < 1 || index > static_cast<int>(app_.LauncherItems.size())) return;
  KillTimer(kTickerTimer);
  const LauncherItem item = app_.LauncherItems[static_cast<size_t>(index) - 1];
  const ItemStartPlan plan = PlanItemStart(item);
  Device& device = app_.GetDevice();
  switch (plan.way) {
    case ItemStartPlan::Way::Process:
      device.GetShell().StartProcess(plan.target, plan.arguments, false);
      break;
    case ItemStartPlan::Way::Shell:
      device.GetShell().ShellOpen(plan.target, u"");
      break;
    case ItemStartPlan::Way::Tool: {
      auto tool = tools_.find(plan.target);
      if (tool == tools_.end()) break;
      const bool keepsFullScreen = plan.target == u"设置" || plan.target == u"退出";
      if (!keepsFullScreen) ui::EnterFullScreen(*this, false);
      toolOpen_ = !keepsFullScreen;
      tool->second();
      toolOpen_ = false;
      if (!keepsFullScreen && IsCreated()) ui::EnterFullScreen(*this, true);
      break;
    }
  }
  if (IsCreated() && NormalTemplate() && !GetUi().HasTimer(this, kTickerTimer))
    SetTimer(kTickerTimer, kTickerPeriodMs);
}

void CTarvoDlg::Minimise() {
  minimised_ = true;
  Show(false);
}

void CTarvoDlg::ComeForward() {
  minimised_ = false;
  Show(true);
  GetUi().BringToTop(this);
  ui::EnterFullScreen(*this, true);
}

void CTarvoDlg::OnConnectionStatus(uint32_t status) {
  if (status != kConnectionStatusConnected) return;
  auto type = GetConnectionType(app_.GetDevice().Connections());
  if (!type || *type == kVoiceConnection) return;
  if (GetUi().ActiveWindow() == this && !app_.Jobs.IsRunning(kUpdateCheckJob))
    app_.Jobs.StartDefined(kUpdateCheckJob);
  if (!app_.JokeUpdateInProgress && !app_.Jobs.IsRunning(kJokeSyncJob))
    app_.Jobs.StartDefined(kJokeSyncJob);
}

bool CTarvoDlg::OnKeyDown(int key) {
  if (key == ui::keys::kEnd) {
    Minimise();
    return true;
  }
  // The program ends only through "退出": the back key does not quit it.
  if (key == ui::keys::kEscape) return true;
  return ui::Dialog::OnKeyDown(key);
}

void CTarvoDlg::OnActivate(bool active) {
  // A box a tool shows before its screen (the joke reminder) hands the
  // activation back for a moment: the bars stay for the screen to come.
  if (active && !minimised_ && !toolOpen_) ui::EnterFullScreen(*this, true);
}

void CTarvoDlg::OnSettingChange(ui::SettingChange change) {
  frameCache_.reset();
  if (change == ui::SettingChange::Rotation) {
    const bool landscape = GetUi().ScreenWidth() > GetUi().ScreenHeight();
    if (landscape != landscape_) {
      landscape_ = landscape;
      Relayout();
    }
    scrollOffset_ = 0;
    if (!NormalTemplate()) KillTimer(kTickerTimer);
  }
  // Only in front: a tool screen open over the launcher keeps its bars.
  if (GetUi().ActiveWindow() == this) ui::EnterFullScreen(*this, true);
  Invalidate();
}

bool CTarvoDlg::DescribeCellGrid(ui::CellGrid& grid) const {
  const GridLayout& layout = *app_.Layout;
  grid.scrollOffset = scrollOffset_;
  grid.restingOffsets = {0};
  const int end = app_.Metrics.ScreenHeight - layout.ContentHeight();
  if (end < 0) grid.restingOffsets.push_back(end);
  const auto& cells = layout.CellRects();
  for (size_t i = 0; i < cells.size() && i < app_.LauncherItems.size(); ++i) {
    // Cells are laid out below the top band; the screen shows them moved by the offset.
    grid.cells.push_back(
        ui::PaintedText{app_.LauncherItems[i].Title, cells[i].Offset(0, scrollOffset_ - layout.BandHeight())});
  }
  return true;
}

intptr_t CTarvoDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == tickerMessage_ && tickerMessage_ != 0) {
    ApplyTickerRefresh();
    return 0;
  }
  if (message == connectionMessage_ && connectionMessage_ != 0) {
    OnConnectionStatus(static_cast<uint32_t>(wParam));
    return 0;
  }
  return ui::Dialog::OnMessage(message, wParam, lParam);
}

}  // namespace tarvo
