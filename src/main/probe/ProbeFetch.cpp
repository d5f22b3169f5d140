// tarvo-probe fetch and download: the program's two HTTP routines by hand.
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "net/DownloadToFile.h"
#include "net/HttpFetch.h"
#include "platform/device/Device.h"
#include "platform/device/FileAccess.h"

namespace tarvo::probe {
namespace {

constexpr const char* kFetchUsage = "  fetch URL [--file PATH]   (exit 0 when the fetch succeeded)";
constexpr const char* kDownloadUsage = "  download URL FILE         (exit 0 when FILE exists afterwards)";

// Every step waits the device's time-out when a device is given, else the default.
std::optional<HttpFetchTimeouts> Timeouts(ProbeContext& context) {
  if (!context.deviceDir) return HttpFetchTimeouts{};
  std::string error;
  auto device = Device::Open(*context.deviceDir, &error, Device::IfMissing::Fail);
  if (!device) {
    context.err << "tarvo-probe: " << error << "\n";
    return std::nullopt;
  }
  return HttpFetchTimeouts::ForDevice(device->Profile());
}

int RunFetch(ProbeContext& context) {
  auto file = context.args.TakeOption("--file");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kFetchUsage);
  auto timeouts = Timeouts(context);
  if (!timeouts) return kExitUsage;
  HostFileAccess files;
  auto fetch = file ? std::make_unique<HttpFetch>(Arg(args[0]), files, Arg(*file), *timeouts)
                    : std::make_unique<HttpFetch>(Arg(args[0]), *timeouts);
  if (const std::string* content = fetch->Content()) context.out << *content;
  context.out.flush();
  return fetch->Succeeded() ? kExitOk : kExitAbsent;
}

int RunDownload(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 2) return Usage(context, kDownloadUsage);
  auto timeouts = Timeouts(context);
  if (!timeouts) return kExitUsage;
  HostFileAccess files;
  DownloadToFile(Arg(args[0]), files, Arg(args[1]), *timeouts);
  return files.FileExists(Arg(args[1])) ? kExitOk : kExitAbsent;
}

const ProbeRegistration kFetch("fetch", kFetchUsage, &RunFetch);
const ProbeRegistration kDownload("download", kDownloadUsage, &RunDownload);

}  // namespace
}  // namespace tarvo::probe
