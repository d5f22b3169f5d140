#pragma once
// The time tool "Chronal": the phone's local time, ticking; the clock set
// from a time server's HTTP Date (directly or through the WAP gateway) or
// from a GPS receiver's "$GPRMC" on a serial port. Two layouts, portrait
// (one column) and landscape (the two groups side by side).
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/TarvoApp.h"
#include "platform/ui/BackgroundAction.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Static.h"
#include "timesync/GpsReader.h"

namespace tarvo {

class CTimeSync : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"Chronal";
  static constexpr int kTimeLabelId = 100;
  static constexpr int kTimeTextId = 101;
  static constexpr int kHttpGroupId = 102;
  static constexpr int kServerId = 103;
  static constexpr int kWapId = 104;
  static constexpr int kSyncId = 105;
  static constexpr int kGpsGroupId = 106;
  static constexpr int kPortId = 107;
  static constexpr int kSpeedId = 108;
  static constexpr int kDateId = 109;
  static constexpr int kClockId = 110;
  static constexpr int kReadId = 111;
  static constexpr int kSetId = 112;
  static constexpr int kDialUpCommand = 200;
  static constexpr int kAboutCommand = 201;
  static constexpr int kClockTimer = 1;
  static constexpr int kClockPeriodMs = 1000;

  // Every wait the tool makes; tests shorten them.
  struct Timings {
    ProbeTimings probe;
    int silenceLimit = 100;                     // line reads without a line before "读取GPS数据超时!"
    std::chrono::milliseconds stopWait{1000};  // for a reader told to stop
  };

  explicit CTimeSync(CTarvoApp& app);
  CTimeSync(CTarvoApp& app, Timings timings);
  ~CTimeSync() override;

  bool IsPortraitLayout() const { return portrait_; }
  bool IsReading() const { return reader_ != nullptr && reader_->IsRunning(); }
  // The readers started so far (the current one's number).
  int ReaderGeneration() const { return reader_ != nullptr ? reader_->Generation() : 0; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnTimer(int id) override;
  void OnSize() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  // Portrait when the screen is narrower than it is tall.
  bool PortraitScreen() const;
  void PlaceControls();
  void ShowTime();
  void SyncOverHttp();
  void ToggleReading();
  void StartReading();
  void StopReading();
  void StopReader();  // stops a running reader and waits for it (bounded)
  void ShowIdle();
  void SetFromPickers();
  void DialUp();
  void OnReaderTime(int generation, const SystemTime& local);
  void OnReaderEnded(int generation, GpsOutcome outcome);

  CTarvoApp& app_;
  Timings timings_;
  bool portrait_ = true;
  ui::Static timeLabel_;
  ui::Static timeText_;
  ui::GroupBox httpGroup_;
  ui::ComboBox server_;
  ui::Button wap_;
  ui::Button sync_;
  ui::GroupBox gpsGroup_;
  ui::ComboBox port_;
  ui::ComboBox speed_;
  ui::DateTimePicker date_;
  ui::DateTimePicker clock_;
  ui::Button read_;
  ui::Button set_;
  // Made once the window exists: the action is tied to its handle.
  std::unique_ptr<ui::BackgroundAction> reader_;
};

// The texts the tool shows.
inline constexpr char16_t kSyncSucceeded[] = u"同步时间成功!";
inline constexpr char16_t kSyncFailed[] = u"同步时间失败!";
inline constexpr char16_t kPortNotOpened[] = u"不能打开COM口!";
inline constexpr char16_t kGpsTimedOut[] = u"读取GPS数据超时!";

}  // namespace tarvo
