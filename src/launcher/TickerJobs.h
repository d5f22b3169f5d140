#pragma once
// The ticker's two background jobs as the application runs them: the
// refresh ("ticker-refresh") over the device's files, registry, clock and
// content server, and its watchdog ("ticker-watchdog"), which starts the
// refresh again every [Timing] TickerWatchdogMs (30 minutes) while it does
// not run. A refresh's result waits in a mailbox for the UI thread.
#include <memory>
#include <mutex>

#include "app/shell/TarvoApp.h"
#include "launcher/TickerRefresh.h"

namespace tarvo {

inline constexpr char kTickerRefreshJob[] = "ticker-refresh";
inline constexpr char kTickerWatchdogJob[] = "ticker-watchdog";
inline constexpr int kTickerWatchdogMs = 1800000;

// Where a finished refresh leaves its result; the job then calls notify
// (which posts to the launcher's window) and the UI thread takes it.
class TickerMailbox {
 public:
  void Put(TickerRefreshResult result);
  std::optional<TickerRefreshResult> Take();

 private:
  std::mutex mutex_;
  std::optional<TickerRefreshResult> result_;
};

TickerRefreshSetup TickerSetupFor(CTarvoApp& app);
int TickerWatchdogPeriodMs(const DeviceProfile& profile);

// Defines the refresh (its result into mailbox, then notify) and starts it
// and the watchdog.
void StartTickerJobs(CTarvoApp& app, std::shared_ptr<TickerMailbox> mailbox, std::function<void()> notify);
// Stops both and waits for them, within the exit bound.
void StopTickerJobs(CTarvoApp& app);

}  // namespace tarvo
