#include "main/UpdateWork.h"

#include <condition_variable>
#include <mutex>

#include "net/DownloadToFile.h"
#include "net/DownloadWithProgress.h"
#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

// A question the worker waits on while the UI thread shows it.
struct PendingAnswer {
  std::mutex mutex;
  std::condition_variable answered;
  std::optional<bool> yes;
};

bool AskOnUiThread(ui::Ui& ui, const WString& text, const StopToken& stop) {
  auto pending = std::make_shared<PendingAnswer>();
  ui.PostTask([&ui, pending, text] {
    const int answer = ui::MessageBox(ui, text, u"Tarvo", ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbTopmost);
    std::lock_guard<std::mutex> guard(pending->mutex);
    pending->yes = answer == ui::kIdYes;
    pending->answered.notify_all();
  });
  std::unique_lock<std::mutex> lock(pending->mutex);
  // The exit raises the stop token: no answer is waited for then.
  while (!pending->yes && !stop.Requested())
    pending->answered.wait_for(lock, std::chrono::milliseconds(50));
  return pending->yes.value_or(false);
}

}  // namespace

CUpdateProgress::CUpdateProgress(CTarvoApp& app)
    : CTarvoProgress(app.GetUi(), [this](CTarvoProgress&) { Build(); }), app_(app) {}

void CUpdateProgress::Build() {
  const ScreenMetrics& m = app_.Metrics;
  const int b = ClientRect().bottom;
  caption_.Create(this, kUpdateDownloading,
               ui::Rect{0, b - m.TextHeight - m.ButtonHeight, m.ScreenWidth, b - m.ButtonHeight}, kTextId);
  caption_.SetBackground(std::nullopt);
  bar_.Create(this, ui::Rect{0, b - m.ButtonHeight, m.ScreenWidth, b}, kBarId);
  bar_.SetRange(0, 100);
  bar_.SetStep(10);
  bar_.SetPos(0);
}

void CUpdateProgress::SetTenth(int tenth) {
  bar_.SetPos(tenth * 10);
  bar_.Invalidate();
  bar_.UpdateWindow();
}

bool CUpdateProgress::OnKeyDown(int) { return true; }

UpdateCheckSetup UpdateSetupFor(CTarvoApp& app, const StopToken& stop) {
  Device& device = app.GetDevice();
  UpdateCheckSetup setup;
  setup.files = &device.Files();
  setup.registry = &device.GetRegistry();
  setup.codePage = device.CodePage();
  setup.contentServer = FromUtf8(device.Profile().Server("ContentServer"));
  while (!setup.contentServer.empty() && setup.contentServer.back() == u'/') setup.contentServer.pop_back();
  setup.programDir = app.ProgramDir;
  setup.appVersion = app.AppVersion;
  setup.updateInfoPath = app.UpdateInfoPath;
  setup.updaterPath = app.UpdaterPath;
  setup.stop = stop.FlagPointer();
  FileAccess* files = &device.Files();
  const HttpFetchTimeouts timeouts = HttpFetchTimeouts::ForDevice(device.Profile());
  const std::atomic<bool>* flag = stop.FlagPointer();
  setup.fetchList = [files, timeouts, flag](WStringView url, WStringView path) {
    DownloadToFile(url, *files, path, timeouts, flag);
  };
  ui::Ui* ui = &app.GetUi();
  setup.ask = [ui, &stop](const WString& text) { return AskOnUiThread(*ui, text, stop); };
  CTarvoApp* owner = &app;
  setup.download = [owner, ui, files, timeouts, flag](WStringView url, WStringView path) {
    // The window lives on the UI thread; the worker only posts to it.
    ui->PostTask([owner] {
      auto window = std::make_unique<CUpdateProgress>(*owner);
      if (window->CreateModeless()) owner->UpdateProgress = std::move(window);
    });
    auto tenth = [ui, owner](int value) {
      ui->PostTask([owner, value] {
        if (auto* window = dynamic_cast<CUpdateProgress*>(owner->UpdateProgress.get())) window->SetTenth(value);
      });
    };
    const DownloadResult result = DownloadWithProgress(url, *files, path, tenth, timeouts, flag);
    ui->PostTask([owner] { owner->UpdateProgress.reset(); });
    return result.complete;
  };
  Shell* shell = &device.GetShell();
  setup.shellOpen = [shell](WStringView path) { return shell->ShellOpen(path, u""); };
  return setup;
}

WorkerThread::Body UpdateCheckBody(CTarvoApp& app) {
  return [&app](const StopToken& stop) {
    const UpdateCheckResult result = RunUpdateCheck(UpdateSetupFor(app, stop));
    if (!result.installerStarted) return;
    // The installer replaces the program: every dialog ends, on the UI thread.
    ui::Ui& ui = app.GetUi();
    ui.PostTask([&app, &ui] {
      app.InstallerStarted = true;
      ui.Quit();
    });
  };
}

void StartUpdateCheck(CTarvoApp& app) {
  if (app.Jobs.Defines(kUpdateCheckJob)) return;
  app.Jobs.Define(kUpdateCheckJob, UpdateCheckBody(app));
  app.Jobs.StartDefined(kUpdateCheckJob);
}

}  // namespace tarvo
