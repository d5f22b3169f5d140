#include "launcher/TickerJobs.h"

#include "net/HttpFetch.h"
#include "platform/text/Utf8.h"

namespace tarvo {

void TickerMailbox::Put(TickerRefreshResult result) {
  std::lock_guard<std::mutex> guard(mutex_);
  result_ = std::move(result);
}

std::optional<TickerRefreshResult> TickerMailbox::Take() {
  std::lock_guard<std::mutex> guard(mutex_);
  auto result = std::move(result_);
  result_.reset();
  return result;
}

TickerRefreshSetup TickerSetupFor(CTarvoApp& app) {
  Device& device = app.GetDevice();
  TickerRefreshSetup setup;
  setup.files = &device.Files();
  setup.registry = &device.GetRegistry();
  setup.codePage = device.CodePage();
  setup.tempFolder = app.ProgramDir + u"temp\\";
  setup.contentServer = FromUtf8(device.Profile().Server("ContentServer"));
  while (!setup.contentServer.empty() && setup.contentServer.back() == u'/') setup.contentServer.pop_back();
  DeviceClock* clock = &device.Clock();
  setup.nowUtc = [clock] { return clock->GetSystemTime(); };
  FileAccess* files = &device.Files();
  const HttpFetchTimeouts timeouts = HttpFetchTimeouts::ForDevice(device.Profile());
  setup.fetch = [files, timeouts](WStringView url, WStringView path, const StopToken& stop) {
    HttpFetch fetch(url, *files, path, timeouts, stop.FlagPointer());
  };
  return setup;
}

int TickerWatchdogPeriodMs(const DeviceProfile& profile) {
  const int value = profile.GetInt("Timing", "TickerWatchdogMs", kTickerWatchdogMs);
  return value > 0 ? value : kTickerWatchdogMs;
}

void StartTickerJobs(CTarvoApp& app, std::shared_ptr<TickerMailbox> mailbox, std::function<void()> notify) {
  app.Jobs.Define(kTickerRefreshJob, [&app, mailbox, notify](const StopToken& stop) {
    auto result = RefreshTicker(TickerSetupFor(app), stop);
    if (!result || stop.Requested()) return;
    mailbox->Put(std::move(*result));
    notify();
  });
  app.Jobs.StartDefined(kTickerRefreshJob);
  const auto period = std::chrono::milliseconds(TickerWatchdogPeriodMs(app.GetDevice().Profile()));
  app.Jobs.Start(kTickerWatchdogJob, [&app, period](const StopToken& stop) {
    for (;;) {
      {
        // Sleeping between rounds is not work a script waits for.
        WorkTracker::Waiting waiting(app.Jobs.Tracker());
        if (stop.SleepFor(period)) return;
      }
      if (!app.Jobs.IsRunning(kTickerRefreshJob)) app.Jobs.StartDefined(kTickerRefreshJob);
    }
  });
}

void StopTickerJobs(CTarvoApp& app) {
  app.Jobs.Stop(kTickerWatchdogJob);
  app.Jobs.Stop(kTickerRefreshJob);
}

}  // namespace tarvo
