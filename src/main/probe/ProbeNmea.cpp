// tarvo-probe nmea: the time and fix of one GPS sentence.
#include <nlohmann/json.hpp>
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "timesync/Nmea.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage = "  nmea LINE";

int RunNmea(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kUsage);
  RmcReading reading = ParseRmc(args[0]);
  nlohmann::json out = {{"rmc", reading.rmc}};
  if (reading.utc) out["utc"] = FormatIsoUtc(*reading.utc);
  out["fix"] = reading.fix;
  PrintJson(context, out);
  return kExitOk;
}

const ProbeRegistration kRegistration("nmea", kUsage, &RunNmea);

}  // namespace
}  // namespace tarvo::probe
