#include "app/shell/JokeWork.h"

#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"

namespace tarvo {
namespace {

constexpr char16_t kLastPageValue[] = u"LastPage";

JokeSyncReport ReportFor(ui::Ui& ui) {
  JokeSyncReport report;
  report.beginWait = [&ui] { ui.PostTask([&ui] { ui.BeginWaitCursor(); }); };
  report.endWait = [&ui] { ui.PostTask([&ui] { ui.EndWaitCursor(); }); };
  report.tell = [&ui](WString text) {
    ui.PostTask([&ui, text = std::move(text)] { ui::MessageBox(ui, text, u"Tarvo", ui::kMbOk | ui::kMbTopmost); });
  };
  return report;
}

}  // namespace

JokeJobSetup JokeSetupFor(CTarvoApp& app) {
  Device& device = app.GetDevice();
  JokeJobSetup setup;
  setup.files = &device.Files();
  setup.registry = &device.GetRegistry();
  setup.codePage = device.CodePage();
  setup.jokeFolder = app.ProgramDir + u"xh";
  setup.contentServer = FromUtf8(device.Profile().Server("ContentServer"));
  while (!setup.contentServer.empty() && setup.contentServer.back() == u'/') setup.contentServer.pop_back();
  setup.timeouts = HttpFetchTimeouts::ForDevice(device.Profile());
  setup.isV9 = app.IsV9Device;
  return setup;
}

WorkerThread::Body JokeLoadBody(CTarvoApp& app) {
  return [&app](const StopToken& stop) { JokeJobs(app.Jokes, JokeSetupFor(app)).LoadJokesAtStartup(stop); };
}

WorkerThread::Body JokeSyncBody(CTarvoApp& app, bool interactive, std::chrono::milliseconds pauseFirst) {
  return [&app, interactive, pauseFirst](const StopToken& stop) {
    if (pauseFirst.count() > 0 && stop.SleepFor(pauseFirst)) return;
    JokeJobs(app.Jokes, JokeSetupFor(app)).SyncJokes(interactive, ReportFor(app.GetUi()), stop);
  };
}

void StartJokeStore(CTarvoApp& app) {
  if (!app.Jokes.ClaimStartupLoad()) return;
  app.Jokes.SetLastRead(LastPageValue(
      app.GetDevice().GetRegistry().GetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, kLastPageValue)));
  if (!app.Jobs.Defines(kJokeSyncJob)) app.Jobs.Define(kJokeSyncJob, JokeSyncBody(app, false));
  app.Jobs.Start(kJokeLoadJob, JokeLoadBody(app));
}

void SaveLastPage(CTarvoApp& app) {
  app.GetDevice().GetRegistry().SetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, kLastPageValue,
                                          static_cast<uint32_t>(app.Jokes.LastRead()));
}

}  // namespace tarvo
