// tarvo-probe registry: values of a device's registry.
#include <memory>
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "platform/device/Device.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  registry get DEVICE-DIR KEY VALUE\n"
    "  registry set DEVICE-DIR KEY VALUE TEXT\n"
    "  registry set DEVICE-DIR KEY VALUE --dword N\n"
    "      KEY as HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\VERSION";

int RunRegistry(ProbeContext& context) {
  auto dword = context.args.TakeOption("--dword");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() < 4) return Usage(context, kUsage);
  const std::string& verb = args[0];
  auto key = Registry::ParseFullKey(Arg(args[2]));
  if (!key) {
    context.err << "tarvo-probe: the key must start with HKEY_CLASSES_ROOT or "
                   "HKEY_LOCAL_MACHINE\n";
    return kExitUsage;
  }
  const WString name = Arg(args[3]);
  if (verb == "get" && args.size() == 4 && !dword) {
    std::string error;
    // Reading never creates a device.
    auto device = Device::Open(args[1], &error, Device::IfMissing::Fail);
    if (!device) {
      context.err << "tarvo-probe: " << error << "\n";
      return kExitUsage;
    }
    Registry& registry = device->GetRegistry();
    if (auto text = registry.GetString(key->first, key->second, name)) {
      context.out << Utf8(*text) << "\n";
      return kExitOk;
    }
    if (auto number = registry.GetNumber(key->first, key->second, name)) {
      context.out << *number << "\n";
      return kExitOk;
    }
    return kExitAbsent;
  }
  if (verb == "set" && ((args.size() == 5 && !dword) || (args.size() == 4 && dword))) {
    std::optional<long long> number;
    if (dword) {
      number = ParseInteger(*dword);
      if (!number || *number < -2147483648LL || *number > 4294967295LL)
        return Usage(context, kUsage);
    }
    std::string error;
    auto device = Device::Open(args[1], &error);
    if (!device) {
      context.err << "tarvo-probe: " << error << "\n";
      return kExitUsage;
    }
    Registry& registry = device->GetRegistry();
    bool ok = number ? registry.SetNumber(key->first, key->second, name,
                                          static_cast<uint32_t>(*number))
                     : registry.SetString(key->first, key->second, name, Arg(args[4]));
    if (!ok) {
      context.err << "tarvo-probe: the registry could not be written\n";
      return kExitAbsent;
    }
    return kExitOk;
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("registry", kUsage, &RunRegistry);

}  // namespace
}  // namespace tarvo::probe
