// tarvo-probe sites: loads or seeds a TarvoSiteswarm.xml as the directory does.
#include <nlohmann/json.hpp>
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "platform/device/Device.h"
#include "sites/SiteListFile.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  sites FILE [--content-server URL]   (seeds FILE when it does not exist)";
// The content server of a new device, when neither the option nor a device names one.
constexpr char kDefaultContentServer[] = "http://127.0.0.1:28080";

std::string ContentServer(ProbeContext& context, const std::optional<std::string>& option) {
  if (option) return *option;
  if (context.deviceDir) {
    auto device = Device::Open(*context.deviceDir, nullptr, Device::IfMissing::Fail);
    if (device && !device->Profile().Server("ContentServer").empty()) {
      return device->Profile().Server("ContentServer");
    }
  }
  return kDefaultContentServer;
}

int RunSites(ProbeContext& context) {
  auto server = context.args.TakeOption("--content-server");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kUsage);
  HostFileAccess files;
  if (files.FileExists(Arg(args[0])) && !ReadHostFile(args[0])) {
    context.err << "tarvo-probe: cannot read " << args[0] << "\n";
    return kExitUsage;
  }
  SiteListFile file(files, Arg(args[0]), Arg(ContentServer(context, server)));
  std::vector<SiteEntry> sites;
  if (file.LoadOrSeed(sites) == SiteLoadStatus::kUnparsable) {
    context.err << Utf8(kSiteListOpenFailed) << " (kept as " << args[0] << ".bad)\n";
  }
  nlohmann::json list = nlohmann::json::array();
  for (const SiteEntry& s : sites) list.push_back({{"name", Utf8(s.name)}, {"url", Utf8(s.url)}});
  PrintJson(context, {{"sites", list}});
  return kExitOk;
}

const ProbeRegistration kRegistration("sites", kUsage, &RunSites);

}  // namespace
}  // namespace tarvo::probe
