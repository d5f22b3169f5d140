// tarvo-probe device: make a device directory, or point its servers elsewhere.
#include <ostream>
#include <regex>

#include "main/probe/ProbeCommand.h"
#include "platform/device/Device.h"
#include "platform/device/HostFiles.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  device init DIR                 create the device from its template when missing\n"
    "  device point-http DIR PORT      point every loopback HTTP server and the WAP proxy of the profile at PORT\n"
    "  device point-account DIR PORT   point a loopback AccountServer of the profile at PORT";

int RunDevice(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() < 2) return Usage(context, kUsage);
  std::string error;
  auto device = Device::Open(args[1], &error);
  if (!device) {
    context.err << "tarvo-probe: " << error << "\n";
    return kExitUsage;
  }
  if (args[0] == "init" && args.size() == 2) {
    context.out << device->HostDirectory() << "\n";
    return kExitOk;
  }
  if (args[0] == "point-http" && args.size() == 3) {
    auto port = ParseInteger(args[2]);
    if (!port || *port < 1 || *port > 65535) return Usage(context, kUsage);
    const std::string profile = host::Join(args[1], "device.ini");
    auto text = host::ReadFile(profile);
    if (!text) return kExitUsage;
    // Addresses with a scheme are HTTP servers, and so is the WAP proxy, the
    // one host:port value served on the HTTP port; the other host:port ones
    // (the account server) keep their port.
    static const std::regex loopback(R"((http://(127\.0\.0\.1|localhost)):[0-9]+)");
    static const std::regex wapProxy(R"((^[ \t]*WapProxy[ \t]*=[ \t]*(127\.0\.0\.1|localhost)):[0-9]+)",
                                     std::regex::icase | std::regex::multiline);
    const std::string newPort = ":" + std::to_string(*port);
    const std::string rewritten =
        std::regex_replace(std::regex_replace(*text, loopback, "$1" + newPort), wapProxy, "$1" + newPort);
    if (!host::WriteFileAtomically(profile, rewritten)) return kExitAbsent;
    return kExitOk;
  }
  if (args[0] == "point-account" && args.size() == 3) {
    auto port = ParseInteger(args[2]);
    if (!port || *port < 1 || *port > 65535) return Usage(context, kUsage);
    const std::string profile = host::Join(args[1], "device.ini");
    auto text = host::ReadFile(profile);
    if (!text) return kExitUsage;
    static const std::regex account(
        R"((^[ \t]*AccountServer[ \t]*=[ \t]*(127\.0\.0\.1|localhost))(:[0-9]+)?)",
        std::regex::icase | std::regex::multiline);
    const std::string rewritten =
        std::regex_replace(*text, account, "$1:" + std::to_string(*port));
    if (!host::WriteFileAtomically(profile, rewritten)) return kExitAbsent;
    return kExitOk;
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("device", kUsage, &RunDevice);

}  // namespace
}  // namespace tarvo::probe
