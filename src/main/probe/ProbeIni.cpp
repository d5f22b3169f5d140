// tarvo-probe ini: IniFile on a host file.
#include <ostream>

#include "app/IniFile.h"
#include "main/probe/ProbeCommand.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  ini get FILE SECTION KEY [--default TEXT] [--capacity N]\n"
    "  ini getint FILE SECTION KEY DEFAULT\n"
    "  ini set FILE SECTION KEY VALUE";

int RunIni(ProbeContext& context) {
  HostFileAccess files;
  IniFile ini(files, context.codePage);
  auto fallback = context.args.TakeOption("--default");
  auto capacityText = context.args.TakeOption("--capacity");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  const std::string& verb = args[0];
  if (verb == "get" && args.size() == 4) {
    long long capacity = 1025;
    if (capacityText) {
      auto parsed = ParseInteger(*capacityText);
      if (!parsed || *parsed < 1 || *parsed > 1000000000) return Usage(context, kUsage);
      capacity = *parsed;
    }
    WString def = fallback ? Arg(*fallback) : WString();
    WString value;
    ini.ReadString(Arg(args[2]), Arg(args[3]), fallback ? &def : nullptr, value,
                   static_cast<size_t>(capacity), Arg(args[1]));
    context.out << Utf8(value) << "\n";
    return kExitOk;
  }
  if (verb == "getint" && args.size() == 5 && !fallback && !capacityText) {
    auto def = ParseInteger(args[4]);
    if (!def || *def < -2147483648LL || *def > 2147483647LL) return Usage(context, kUsage);
    context.out << ini.ReadInt(Arg(args[2]), Arg(args[3]), static_cast<int>(*def), Arg(args[1]))
                << "\n";
    return kExitOk;
  }
  if (verb == "set" && args.size() == 5 && !fallback && !capacityText) {
    if (ini.WriteString(Arg(args[2]), Arg(args[3]), Arg(args[4]), Arg(args[1])) == 0) {
      context.err << "tarvo-probe: not written (file not writable, or a refused text)\n";
      return kExitAbsent;
    }
    return kExitOk;
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("ini", kUsage, &RunIni);

}  // namespace
}  // namespace tarvo::probe
