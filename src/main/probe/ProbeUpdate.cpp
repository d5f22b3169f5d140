// tarvo-probe update: the update check's decision over a description file.
#include <nlohmann/json.hpp>
#include <ostream>

#include "app/UpdateDecision.h"
#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage = "  update decide FILE --app-version V [--channel NAME]";

int RunUpdate(ProbeContext& context) {
  auto version = context.args.TakeOption("--app-version");
  auto channel = context.args.TakeOption("--channel");
  auto args = context.args.Positional();
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
