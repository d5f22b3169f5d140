// tarvo-probe http-date / timesync / gps: the time tool's steps by hand.
#include <iostream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "platform/device/Device.h"
#include "timesync/GpsReader.h"
#include "timesync/HttpDate.h"
#include "timesync/HttpTimeSync.h"
#include "timesync/Nmea.h"

namespace tarvo::probe {
namespace {

constexpr const char* kDateUsage = "  http-date TEXT   (an HTTP Date header as UTC; 1 when it is none)";
constexpr const char* kTimeUsage =
    "  timesync http SERVER [--wap] [--set] --device DIR   (the time tool's HTTP sync; --set sets the clock)";
constexpr const char* kGpsUsage =
    "  gps probe --device DIR\n"
    "  gps read COMn: [--speed N] --device DIR   (a JSON line per time read, until a fix or silence)";

nlohmann::json UtcOrNull(const std::optional<SystemTime>& utc) {
  return utc ? nlohmann::json(FormatIsoUtc(*utc)) : nlohmann::json();
}

std::unique_ptr<Device> OpenDevice(ProbeContext& context) {
  if (!context.deviceDir) return nullptr;
  std::string error;
  auto device = Device::Open(*context.deviceDir, &error);
  if (!device) context.err << "tarvo-probe: " << error << "\n";
  return device;
}

int RunHttpDate(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kDateUsage);
  const auto utc = ParseHttpDate(args[0]);
  PrintJson(context, {{"utc", UtcOrNull(utc)}});
  return utc ? kExitOk : kExitAbsent;
}

int RunTimeSync(ProbeContext& context) {
  const bool wap = context.args.TakeFlag("--wap");
  const bool set = context.args.TakeFlag("--set");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 2 || args[0] != "http" || !context.deviceDir)
    return Usage(context, kTimeUsage);
  auto device = OpenDevice(context);
  if (!device) return kExitUsage;
  const auto server = ParseTimeServer(args[1]);
  if (!server) {
    context.err << "tarvo-probe: not a time server address: " << args[1] << "\n";
    return kExitUsage;
  }
  HttpTimeOptions options;
  if (wap) options.proxy = device->Profile().Server("WapProxy");
  options.timeoutMs = device->Profile().NetworkTimeoutMs();
  const HttpTimeAnswer answer = FetchHttpTime(*server, options);
  nlohmann::json out = {{"date", answer.dateText}, {"utc", UtcOrNull(answer.utc)}, {"requests", answer.requests}};
  if (set) out["set"] = answer.utc.has_value() && device->Clock().SetSystemTime(*answer.utc);
  PrintJson(context, out);
  return answer.utc ? kExitOk : kExitAbsent;
}

int RunGps(ProbeContext& context) {
  auto speedText = context.args.TakeOption("--speed");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty() || !context.deviceDir) return Usage(context, kGpsUsage);
  if (args[0] == "probe" && args.size() == 1 && !speedText) {
    auto device = OpenDevice(context);
    if (!device) return kExitUsage;
    const PortProbe probe = ProbeComPorts(device->Profile(), device->HostDirectory());
    nlohmann::json selected = probe.selected >= 0 && probe.selected < static_cast<int>(probe.opened.size())
                                  ? nlohmann::json(probe.opened[static_cast<size_t>(probe.selected)])
                                  : nlohmann::json();
    PrintJson(context, {{"ports", probe.opened}, {"selected", selected}});
    return probe.opened.empty() ? kExitAbsent : kExitOk;
  }
  if (args[0] == "read" && args.size() == 2) {
    int speed = kProbeSpeed;
    if (speedText) {
      auto parsed = ParseInteger(*speedText);
      if (!parsed || *parsed <= 0 || *parsed > 4000000) return Usage(context, kGpsUsage);
      speed = static_cast<int>(*parsed);
    }
    auto device = OpenDevice(context);
    if (!device) return kExitUsage;
    // Reading only: a fix sets a clock of the probe's own, never the device's.
    DeviceClock scratch("", device->Clock().ZoneMinutes());
    GpsReadOptions options;
    options.onTime = [&context](const SystemTime& local) {
      context.out << nlohmann::json({{"local", FormatIsoUtc(local)}}).dump() << std::endl;
    };
    const std::atomic<bool> stop{false};
    const GpsOutcome outcome =
        ReadGpsTime(device->Profile(), device->HostDirectory(), ComPortName(args[1]), speed, scratch, stop, options);
    // The scratch clock cannot be written: a fix reads as "set-failed" there.
    const char* names[] = {"open-failed", "timed-out", "fix", "fix", "stopped"};
    PrintJson(context, {{"outcome", names[static_cast<int>(outcome)]}});
    return outcome == GpsOutcome::Synced || outcome == GpsOutcome::SetFailed ? kExitOk : kExitAbsent;
  }
  return Usage(context, kGpsUsage);
}

const ProbeRegistration kDate("http-date", kDateUsage, &RunHttpDate);
const ProbeRegistration kTime("timesync", kTimeUsage, &RunTimeSync);
const ProbeRegistration kGps("gps", kGpsUsage, &RunGps);

}  // namespace
}  // namespace tarvo::probe
