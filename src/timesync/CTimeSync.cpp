#include "timesync/CTimeSync.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "net/Connection.h"
#include "platform/device/DebugOutput.h"
#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "timesync/HttpTimeSync.h"

namespace tarvo {
namespace {

constexpr char16_t kPortraitLabel[] = u"Time:";
constexpr char16_t kLandscapeLabel[] = u"当前时间:";
constexpr char16_t kReadCaption[] = u"获取GPS时间";
constexpr char16_t kCancelCaption[] = u"取消";
constexpr const char16_t* kSpeeds[] = {u"4800", u"9600", u"14400", u"19200", u"38400", u"57600", u"115200"};
constexpr char16_t kBoxCaption[] = u"Tarvo";

WString Formatted(const SystemTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%4.4d.%2.2d.%2.2d %2.2d:%2.2d:%2.2d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return FromUtf8(text);
}

// The speed box's text as a decimal number; 0 (an open failure) when it is none.
int SpeedOf(const WString& text) {
  const std::string digits = ToUtf8(text);
  char* end = nullptr;
  const long value = std::strtol(digits.c_str(), &end, 10);
  if (digits.empty() || end == digits.c_str() || *end != '\0' || value <= 0 || value > 4000000) return 0;
  return static_cast<int>(value);
}

}  // namespace

CTimeSync::CTimeSync(CTarvoApp& app) : CTimeSync(app, Timings{}) {}

CTimeSync::CTimeSync(CTarvoApp& app, Timings timings)
    : ui::Dialog(app.GetUi(), kCaption), app_(app), timings_(timings) {}

CTimeSync::~CTimeSync() { StopReader(); }

void CTimeSync::StopReader() {
  if (reader_) reader_->StopAndJoin(timings_.stopWait);
}

bool CTimeSync::PortraitScreen() const { return GetUi().ScreenWidth() < GetUi().ScreenHeight(); }

bool CTimeSync::OnInitDialog() {
  SetOkButton(true);
  reader_ = std::make_unique<ui::BackgroundAction>(*this);
  ui::WaitCursorHold cursor(GetUi());
  Device& device = app_.GetDevice();
  const PortProbe probe = ProbeComPorts(device.Profile(), device.HostDirectory(), timings_.probe);
  portrait_ = PortraitScreen();

  timeLabel_.Create(this, portrait_ ? kPortraitLabel : kLandscapeLabel, ui::Rect{}, kTimeLabelId);
  timeText_.Create(this, u"", ui::Rect{}, kTimeTextId);
  httpGroup_.Create(this, u"GPRS/WiFi", ui::Rect{}, kHttpGroupId);
  server_.Create(this, ui::Rect{}, kServerId, ui::ComboStyle::DropDown);
  wap_.Create(this, u"WAP", ui::Rect{}, kWapId, ui::ButtonStyle::CheckBox);
  sync_.Create(this, u"同步时间", ui::Rect{}, kSyncId);
  gpsGroup_.Create(this, u"GPS", ui::Rect{}, kGpsGroupId);
  port_.Create(this, ui::Rect{}, kPortId, ui::ComboStyle::DropDown);
  speed_.Create(this, ui::Rect{}, kSpeedId, ui::ComboStyle::DropDown);
  date_.Create(this, ui::Rect{}, kDateId, ui::PickerKind::Date);
  clock_.Create(this, ui::Rect{}, kClockId, ui::PickerKind::Time);
  read_.Create(this, kReadCaption, ui::Rect{}, kReadId);
  set_.Create(this, u"设置GPS时间", ui::Rect{}, kSetId);
  set_.Enable(false);
  const SystemTime now = device.Clock().GetLocalTime();
  date_.SetTime(now);
  clock_.SetTime(now);
  PlaceControls();

  SetTimer(kClockTimer, kClockPeriodMs);
  ShowTime();
  for (const std::string& configured : device.Profile().TimeServers())
    server_.AddString(FromUtf8(TimeServerShown(configured)));
  if (server_.GetCount() > 0) server_.SetCurSel(0);
  ui::MenuBar bar;
  bar.AddPopup(u"菜单", ui::Menu().Add(u"拨号上网", kDialUpCommand).Add(u"关于", kAboutCommand));
  SetMenuBar(bar);

  for (const std::string& name : probe.opened) port_.AddString(FromUtf8(name));
  if (probe.selected >= 0) port_.SetCurSel(probe.selected);
  for (const char16_t* speed : kSpeeds) speed_.AddString(speed);
  speed_.SetCurSel(0);
  return true;
}

void CTimeSync::PlaceControls() {
  if (!sync_.IsCreated()) return;
  const ScreenMetrics& m = app_.Metrics;
  const ui::Rect client = ClientRect();
  const int gap = std::max(2, m.TextHeight / 6);
  const int row = m.ButtonHeight;
  const int step = row + gap;
  const int groupTop = GetFont().Height();  // the caption above the first row in a group
  timeLabel_.SetText(portrait_ ? kPortraitLabel : kLandscapeLabel);
  const int labelWidth = timeLabel_.GetFont().TextWidth(timeLabel_.Text()) + gap;
  // Two controls side by side in [left, right) at y.
  auto pair = [&](ui::Window& a, ui::Window& b, int left, int right, int y) {
    const int middle = (left + right) / 2;
    a.MoveWindow(ui::Rect{left, y, middle - gap / 2, y + row});
    b.MoveWindow(ui::Rect{middle + gap / 2, y, right, y + row});
  };
  auto single = [&](ui::Window& w, int left, int right, int y) { w.MoveWindow(ui::Rect{left, y, right, y + row}); };
  int y = gap;
  const int left = gap;
  const int right = client.right - gap;
  if (portrait_) {
    timeLabel_.MoveWindow(ui::Rect{left, y, left + labelWidth, y + row});
    timeText_.MoveWindow(ui::Rect{left + labelWidth, y, right, y + row});
    y += step;
    const int httpTop = y;
    y += groupTop + gap;
    single(server_, left + gap, right - gap, y);
    y += step;
    pair(wap_, sync_, left + gap, right - gap, y);
    y += step;
    httpGroup_.MoveWindow(ui::Rect{left, httpTop, right, y});
    y += gap;
    const int gpsTop = y;
    y += groupTop + gap;
    pair(port_, speed_, left + gap, right - gap, y);
    y += step;
    pair(date_, clock_, left + gap, right - gap, y);
    y += step;
    pair(read_, set_, left + gap, right - gap, y);
    y += step;
    gpsGroup_.MoveWindow(ui::Rect{left, gpsTop, right, y});
    return;
  }
  // Landscape: the time across the top, below it the HTTP group on the left
  // and the GPS group on the right.
  const int middle = client.right / 2;
  timeLabel_.MoveWindow(ui::Rect{left, y, left + labelWidth, y + row});
  timeText_.MoveWindow(ui::Rect{left + labelWidth, y, right, y + row});
  y += step;
  const int groupsTop = y;
  const int httpTop = y;
  y += groupTop + gap;
  single(server_, left + gap, middle - gap / 2 - gap, y);
  y += step;
  single(wap_, left + gap, middle - gap / 2 - gap, y);
  y += step;
  single(sync_, left + gap, middle - gap / 2 - gap, y);
  y += step;
  httpGroup_.MoveWindow(ui::Rect{left, httpTop, middle - gap / 2, y});
  const int gpsLeft = middle + gap / 2;
  y = groupsTop;
  const int gpsTop = y;
  y += groupTop + gap;
  pair(port_, speed_, gpsLeft + gap, right - gap, y);
  y += step;
  single(date_, gpsLeft + gap, right - gap, y);
  y += step;
  single(clock_, gpsLeft + gap, right - gap, y);
  y += step;
  single(read_, gpsLeft + gap, right - gap, y);
  y += step;
  single(set_, gpsLeft + gap, right - gap, y);
  y += step;
  gpsGroup_.MoveWindow(ui::Rect{gpsLeft, gpsTop, right, y});
}

void CTimeSync::OnSize() {
  if (!sync_.IsCreated()) return;
  const bool portrait = PortraitScreen();
  if (portrait == portrait_) return;  // the same template: nothing moves
  portrait_ = portrait;
  PlaceControls();
  Invalidate();
}

void CTimeSync::OnTimer(int id) {
  if (id == kClockTimer) ShowTime();
}

void CTimeSync::ShowTime() { timeText_.SetText(Formatted(app_.GetDevice().Clock().GetLocalTime())); }

bool CTimeSync::OnCommand(int id, int code) {
  if (code == ui::kClicked || code == ui::kMenuCommand) {
    switch (id) {
      case kSyncId: SyncOverHttp(); return true;
      case kReadId: ToggleReading(); return true;
      case kSetId: SetFromPickers(); return true;
      case kDialUpCommand: DialUp(); return true;
      case kAboutCommand: ui::MessageBox(this, u"Chronal", kBoxCaption, ui::kMbOk); return true;
      default: break;
    }
  }
  return ui::Dialog::OnCommand(id, code);
}

void CTimeSync::SyncOverHttp() {
  bool synced = false;
  {
    ui::WaitCursorHold cursor(GetUi());
    Device& device = app_.GetDevice();
    if (auto server = ParseTimeServer(ToUtf8(server_.GetWindowText()))) {
      HttpTimeOptions options;
      if (wap_.IsChecked()) options.proxy = device.Profile().Server("WapProxy");
      options.timeoutMs = device.Profile().NetworkTimeoutMs();
      const HttpTimeAnswer answer = FetchHttpTime(*server, options);
      synced = answer.utc && device.Clock().SetSystemTime(*answer.utc);
    }
    ShowTime();
  }
  ui::MessageBox(this, synced ? kSyncSucceeded : kSyncFailed, kBoxCaption, ui::kMbOk);
}

void CTimeSync::ToggleReading() {
  if (IsReading()) {
    StopReading();
    return;
  }
  StartReading();
}

void CTimeSync::StartReading() {
  StopReader();
  Device& device = app_.GetDevice();
  const std::string portName = ComPortName(ToUtf8(port_.GetWindowText()));
  const int speed = SpeedOf(speed_.GetWindowText());
  const DeviceProfile profile = device.Profile();
  const std::string deviceDir = device.HostDirectory();
  DeviceClock* clock = &device.Clock();  // the device outlives every screen
  const int silenceLimit = timings_.silenceLimit;
  const int generation = reader_->Generation() + 1;
  reader_->Start([=, this](ui::BackgroundAction::Context& context) {
    GpsReadOptions options;
    options.silenceLimit = silenceLimit;
    options.onTime = [&context, generation, this](const SystemTime& local) {
      context.Post([this, generation, local] { OnReaderTime(generation, local); });
    };
    const GpsOutcome outcome =
        ReadGpsTime(profile, deviceDir, portName, speed, *clock, *context.StopFlag(), options);
    context.Post([this, generation, outcome] { OnReaderEnded(generation, outcome); });
  });
  read_.SetText(kCancelCaption);
  set_.Enable(true);
}

void CTimeSync::StopReading() {
  StopReader();
  ShowIdle();
}

void CTimeSync::ShowIdle() {
  read_.SetText(kReadCaption);
  set_.Enable(false);
}

void CTimeSync::OnReaderTime(int generation, const SystemTime& local) {
  if (generation != reader_->Generation()) return;
  date_.SetTime(local);
  clock_.SetTime(local);
}

void CTimeSync::OnReaderEnded(int generation, GpsOutcome outcome) {
  if (generation != reader_->Generation()) return;
  ShowIdle();
  const char16_t* text = nullptr;
  switch (outcome) {
    case GpsOutcome::OpenFailed: text = kPortNotOpened; break;
    case GpsOutcome::TimedOut: text = kGpsTimedOut; break;
    case GpsOutcome::Synced: text = kSyncSucceeded; ShowTime(); break;
    case GpsOutcome::SetFailed: text = kSyncFailed; break;
    case GpsOutcome::Stopped: return;
  }
  ui::MessageBox(GetUi(), text, kBoxCaption, ui::kMbOk | ui::kMbTopmost);
}

void CTimeSync::SetFromPickers() {
  StopReader();
  ShowIdle();
  SystemTime local = date_.GetTime();
  const SystemTime& time = clock_.GetTime();
  local.hour = time.hour;
  local.minute = time.minute;
  local.second = time.second;
  local.milliseconds = 0;
  const bool set = app_.GetDevice().Clock().SetLocalTime(local);
  ShowTime();
  ui::MessageBox(this, set ? kSyncSucceeded : kSyncFailed, kBoxCaption, ui::kMbOk);
}

void CTimeSync::DialUp() {
  const bool wap = wap_.IsChecked();
  DebugTrace(wap ? "RequestConnection WAP\n" : "RequestConnection Internet\n");
  RequestConnection(app_.GetDevice().Connections(),
                    wap ? ConnectionDestination::Wap : ConnectionDestination::Internet);
}

void CTimeSync::OnOK() {
  StopReader();
  ui::Dialog::OnOK();
}

void CTimeSync::OnCancel() {
  StopReader();
  ui::Dialog::OnCancel();
}

}  // namespace tarvo
