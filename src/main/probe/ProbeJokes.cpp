// tarvo-probe jokes: joke files and where the start-up load begins.
#include <nlohmann/json.hpp>
#include <ostream>

#include "jokes/JokeCollection.h"
#include "jokes/JokeFile.h"
#include "jokes/JokeJobs.h"
#include "jokes/JokeStore.h"
#include "platform/device/Device.h"
#include "platform/text/Utf8.h"
#include "tools/SystemHelpers.h"
#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "platform/text/CodePage.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  jokes parse FILE\n"
    "  jokes count FILE\n"
    "  jokes start LASTREAD STEP\n"
    "  jokes load --device DIR   (the start-up load on the device, as the launcher runs it)";

// The start-up load without the pause after the first file (nobody reads).
int LoadOnDevice(ProbeContext& context) {
  std::string error;
  auto device = Device::Open(*context.deviceDir, &error);
  if (!device) {
    context.err << "tarvo-probe: " << error << "\n";
    return kExitUsage;
  }
  Registry& registry = device->GetRegistry();
  JokeCollection store;
  store.SetLastRead(LastPageValue(registry.GetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, u"LastPage")));
  JokeJobSetup setup;
  setup.files = &device->Files();
  setup.registry = &registry;
  setup.codePage = device->CodePage();
  setup.jokeFolder = u"\\Program Files\\Tarvo\\xh";
  setup.contentServer = FromUtf8(device->Profile().Server("ContentServer"));
  while (!setup.contentServer.empty() && setup.contentServer.back() == u'/') setup.contentServer.pop_back();
  setup.timeouts = HttpFetchTimeouts::ForDevice(device->Profile());
  setup.isV9 = ReadDeviceVersion(registry).isV9;
  setup.firstFilePause = std::chrono::milliseconds(0);
  StopToken stop;
  JokeJobs(store, setup).LoadJokesAtStartup(stop);
  const JokeFacts facts = store.Facts();
  auto stored = [&registry](const char16_t* name) -> nlohmann::json {
    auto value = registry.GetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, name);
    return value ? nlohmann::json(*value) : nlohmann::json();
  };
  PrintJson(context, {{"files", facts.files}, {"count", facts.count}, {"index", facts.index},
                      {"lastRead", facts.lastRead}, {"complete", facts.complete}, {"step", stored(u"step")},
                      {"end", stored(u"end")}});
  return kExitOk;
}

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
  if (verb == "load" && args.size() == 1 && context.deviceDir) return LoadOnDevice(context);
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
