// tarvo-probe jokes: joke files and where the start-up load begins.
#include <nlohmann/json.hpp>
#include <ostream>

#include "jokes/JokeFile.h"
#include "jokes/JokeStore.h"
#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "platform/text/CodePage.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  jokes parse FILE\n"
    "  jokes count FILE\n"
    "  jokes start LASTREAD STEP";

int RunJokes(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  const std::string& verb = args[0];
  if ((verb == "parse" || verb == "count") && args.size() == 2) {
    auto bytes = ReadHostFile(args[1]);
    if (!bytes) {
      context.err << "tarvo-probe: cannot read " << args[1] << "\n";
      return kExitUsage;
    }
    WString text = FromCodePage(*bytes, context.codePage);
    if (verb == "count") {
      context.out << CountJokeMarks(text) << "\n";
      return kExitOk;
    }
    auto jokes = ParseJokeText(text);
    nlohmann::json list = nlohmann::json::array();
    for (const WString& joke : jokes.value_or(std::vector<WString>())) list.push_back(Utf8(joke));
    PrintJson(context, {{"valid", jokes.has_value()}, {"jokes", list}});
    return kExitOk;
  }
  if (verb == "start" && args.size() == 3) {
    auto lastRead = ParseInteger(args[1]);
    auto step = ParseInteger(args[2]);
    if (!lastRead || !step || *lastRead < 0 || *lastRead > 4294967295LL || *step < 0 ||
        *step > 4294967295LL) {
      return Usage(context, kUsage);
    }
    // The registry keeps both as 32-bit values, read as signed numbers.
    JokeStart start = JokeStartPosition(static_cast<int>(static_cast<uint32_t>(*lastRead)),
                                        static_cast<int>(static_cast<uint32_t>(*step)));
    PrintJson(context, {{"file", start.file}, {"index", start.index}});
    return kExitOk;
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("jokes", kUsage, &RunJokes);

}  // namespace
}  // namespace tarvo::probe
