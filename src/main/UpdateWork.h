#pragma once
// The update check as the program runs it (job "update-check"): over the
// device's files, registry, shell and content server; the question asked on
// the UI thread while the check waits; the installer download shown in a
// progress window on the UI thread. When the installer has started, the UI
// thread ends every dialog and the exit leaves the installer's files alone.
#include "app/UpdateCheck.h"
#include "app/shell/TarvoApp.h"
#include "platform/ui/Static.h"
#include "tools/screens/CTarvoProgress.h"

namespace tarvo {

inline constexpr char16_t kUpdateDownloading[] = u"升级程序下载中...";

// The installer download's window: the caption text above a bar of 0 to 100
// in steps of 10, both along the bottom; keys do not close it.
class CUpdateProgress : public CTarvoProgress {
 public:
  static constexpr int kTextId = 1001;
  static constexpr int kBarId = 1002;

  CUpdateProgress(CTarvoApp& app);
  void SetTenth(int tenth);
  int Position() const { return bar_.GetPos(); }
  bool OnKeyDown(int key) override;
  void OnCancel() override {}
  void OnOK() override {}

 private:
  void Build();
  CTarvoApp& app_;
  ui::Static caption_;
  ui::ProgressBar bar_;
};

UpdateCheckSetup UpdateSetupFor(CTarvoApp& app, const StopToken& stop);
WorkerThread::Body UpdateCheckBody(CTarvoApp& app);
// Defines the job once per run and starts it (the start-up check).
void StartUpdateCheck(CTarvoApp& app);

}  // namespace tarvo
