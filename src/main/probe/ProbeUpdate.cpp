// tarvo-probe update: the update check's decision over a description file.
#include <nlohmann/json.hpp>
#include <ostream>

#include "app/UpdateCheck.h"
#include "app/UpdateDecision.h"
#include "net/DownloadToFile.h"
#include "net/DownloadWithProgress.h"
#include "platform/device/Device.h"
#include "platform/device/FileAccess.h"
#include "platform/text/Utf8.h"
#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  update decide FILE --app-version V [--channel NAME]\n"
    "  update check --device DIR   (the check on the device; answers its question No, starts nothing)\n"
    "  update download URL FILE    (the installer download into a host file, with its tenths)";

int CheckOnDevice(ProbeContext& context) {
  std::string error;
  auto device = Device::Open(*context.deviceDir, &error);
  if (!device) {
    context.err << "tarvo-probe: " << error << "\n";
    return kExitUsage;
  }
  UpdateCheckSetup setup;
  setup.files = &device->Files();
  setup.registry = &device->GetRegistry();
  setup.codePage = device->CodePage();
  setup.contentServer = FromUtf8(device->Profile().Server("ContentServer"));
  while (!setup.contentServer.empty() && setup.contentServer.back() == u'/') setup.contentServer.pop_back();
  setup.programDir = u"\\Program Files\\Tarvo\\";
  setup.appVersion = kAppVersion;
  setup.updateInfoPath = u"\\windows\\TarvoUpdate.txt";
  setup.updaterPath = u"\\windows\\TarvoUpdate.exe";
  FileAccess* files = &device->Files();
  const HttpFetchTimeouts timeouts = HttpFetchTimeouts::ForDevice(device->Profile());
  setup.fetchList = [files, timeouts](WStringView url, WStringView path) { DownloadToFile(url, *files, path, timeouts); };
  // A probe decides only: it neither asks nor installs.
  setup.ask = [](const WString&) { return false; };
  bool wouldInstall = false;
  setup.download = [&wouldInstall](WStringView, WStringView) {
    wouldInstall = true;
    return false;
  };
  setup.shellOpen = [](WStringView) { return false; };
  const UpdateCheckResult result = RunUpdateCheck(setup);
  const char* action = result.decision.action == UpdateAction::kAsk      ? "ask"
                       : result.decision.action == UpdateAction::kSilent ? "silent"
                                                                         : "none";
  PrintJson(context, {{"section", Utf8(result.decision.section)},
                      {"version", Utf8(result.decision.version)},
                      {"action", action},
                      {"listFetched", files->FileExists(setup.updateInfoPath)}});
  return kExitOk;
}

int Download(ProbeContext& context, const std::string& url, const std::string& file) {
  HostFileAccess files;
  nlohmann::json tenths = nlohmann::json::array();
  const DownloadResult result =
      DownloadWithProgress(Arg(url), files, Arg(file), [&tenths](int tenth) { tenths.push_back(tenth); });
  PrintJson(context, {{"complete", result.complete},
                      {"status", result.status},
                      {"length", result.length},
                      {"received", result.received},
                      {"tenths", tenths}});
  return result.complete ? kExitOk : 1;
}

int RunUpdate(ProbeContext& context) {
  auto version = context.args.TakeOption("--app-version");
  auto channel = context.args.TakeOption("--channel");
  auto args = context.args.Positional();
  if (!context.args.HasError() && !version && args.size() == 1 && args[0] == "check" && context.deviceDir)
    return CheckOnDevice(context);
  if (!context.args.HasError() && !version && args.size() == 3 && args[0] == "download")
    return Download(context, args[1], args[2]);
  if (context.args.HasError() || !version || args.size() != 2 || args[0] != "decide") {
    return Usage(context, kUsage);
  }
  auto bytes = ReadHostFile(args[1]);
  if (!bytes) {
    context.err << "tarvo-probe: cannot read " << args[1] << "\n";
    return kExitUsage;
  }
  UpdateDecision d = DecideUpdate(*bytes, channel ? Arg(*channel) : WString(), Arg(*version),
                                  context.codePage);
  PrintJson(context, {{"section", Utf8(d.section)},
                      {"version", Utf8(d.version)},
                      {"isValid", d.isValid},
                      {"isSilence", d.isSilence},
                      {"newer", d.newer}});
  return kExitOk;
}

const ProbeRegistration kRegistration("update", kUsage, &RunUpdate);

}  // namespace
}  // namespace tarvo::probe
