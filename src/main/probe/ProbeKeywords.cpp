// tarvo-probe keywords: the search-keyword record file.
#include <nlohmann/json.hpp>
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "tools/KeywordRecords.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  keywords load FILE\n"
    "  keywords append FILE KEYWORD";

int RunKeywords(ProbeContext& context) {
  HostFileAccess files;
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  if (args[0] == "load" && args.size() == 2) {
    std::vector<WString> list;
    if (!LoadKeywordRecords(files, Arg(args[1]), list, context.codePage)) {
      context.err << "tarvo-probe: cannot read or create " << args[1] << "\n";
      return kExitUsage;
    }
    nlohmann::json out = nlohmann::json::array();
    for (const WString& keyword : list) out.push_back(Utf8(keyword));
    PrintJson(context, out);
    return kExitOk;
  }
  if (args[0] == "append" && args.size() == 3) {
    if (!AppendKeywordRecord(files, Arg(args[1]), Arg(args[2]), context.codePage)) {
      context.err << "tarvo-probe: not appended (unwritable file, or an empty keyword or one "
                     "holding a line break)\n";
      return kExitAbsent;
    }
    return kExitOk;
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("keywords", kUsage, &RunKeywords);

}  // namespace
}  // namespace tarvo::probe
