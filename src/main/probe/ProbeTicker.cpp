// tarvo-probe ticker: the ticker's lead and message files and refresh interval.
#include <nlohmann/json.hpp>
#include <ostream>

#include "launcher/TickerLead.h"
#include "launcher/TickerMessages.h"
#include "launcher/TickerRefresh.h"
#include "launcher/TickerSchedule.h"
#include "net/HttpFetch.h"
#include "platform/device/Device.h"
#include "platform/text/Utf8.h"
#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "platform/text/CodePage.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  ticker lead FILE\n"
    "  ticker files START END STEP\n"
    "  ticker messages FILE FIRST LAST\n"
    "  ticker due LASTUPDATETIME FREQUENCY NOW   (times as \"YYYY-MM-DD  hh:mm:ss\")\n"
    "  ticker refresh --device DIR   (one refresh on the device, as the launcher runs it)";

std::optional<int> IntArg(const std::string& text) {
  auto value = ParseInteger(text);
  if (!value || *value < -2147483648LL || *value > 2147483647LL) return std::nullopt;
  return static_cast<int>(*value);
}

int Lead(ProbeContext& context, const std::string& path) {
  auto bytes = ReadHostFile(path);
  if (!bytes) {
    context.err << "tarvo-probe: cannot read " << path << "\n";
    return kExitUsage;
  }
  auto parsed = ParseTickerLead(FromCodePage(*bytes, context.codePage));
  TickerConfig config = parsed.value_or(TickerConfig());
  nlohmann::json groups = nlohmann::json::array();
  for (const MessageGroup& g : config.groups) {
    groups.push_back({{"total", g.total}, {"start", g.start}, {"end", g.end}, {"step", g.step}});
  }
  PrintJson(context, {{"valid", parsed.has_value()},
                      {"show", config.show},
                      {"frequency", config.frequency},
                      {"types", config.types},
                      {"groups", groups}});
  return kExitOk;
}

int Messages(ProbeContext& context, const std::string& path, int first, int last) {
  auto bytes = ReadHostFile(path);
  if (!bytes) {
    context.err << "tarvo-probe: cannot read " << path << "\n";
    return kExitUsage;
  }
  WString text = FromCodePage(*bytes, context.codePage);
  std::vector<TickerMessage> messages;
  bool counts = IsTickerMessageList(text);
  if (counts) ParseTickerMessages(text, first, last, messages);
  nlohmann::json list = nlohmann::json::array();
  for (const TickerMessage& m : messages) {
    list.push_back({{"action", m.action}, {"url", Utf8(m.url)}, {"text", Utf8(m.text)}});
  }
  PrintJson(context, {{"counts", counts}, {"messages", list}});
  return kExitOk;
}

int RefreshOnDevice(ProbeContext& context) {
  std::string error;
  auto device = Device::Open(*context.deviceDir, &error);
  if (!device) {
    context.err << "tarvo-probe: " << error << "\n";
    return kExitUsage;
  }
  TickerRefreshSetup setup;
  setup.files = &device->Files();
  setup.registry = &device->GetRegistry();
  setup.codePage = device->CodePage();
  setup.tempFolder = u"\\Program Files\\Tarvo\\temp\\";
  setup.contentServer = FromUtf8(device->Profile().Server("ContentServer"));
  while (!setup.contentServer.empty() && setup.contentServer.back() == u'/') setup.contentServer.pop_back();
  Device* phone = device.get();
  setup.nowUtc = [phone] { return phone->Clock().GetSystemTime(); };
  const HttpFetchTimeouts timeouts = HttpFetchTimeouts::ForDevice(device->Profile());
  setup.fetch = [phone, timeouts](WStringView url, WStringView path, const StopToken& stop) {
    HttpFetch fetch(url, phone->Files(), path, timeouts, stop.FlagPointer());
  };
  StopToken stop;
  auto result = RefreshTicker(setup, stop);
  nlohmann::json out = {{"refreshed", result.has_value()}};
  if (result) {
    out["show"] = result->config.show;
    out["frequency"] = result->config.frequency;
    out["types"] = result->config.types;
    if (result->messages) {
      nlohmann::json list = nlohmann::json::array();
      for (const TickerMessage& m : *result->messages)
        list.push_back({{"action", m.action}, {"url", Utf8(m.url)}, {"text", Utf8(m.text)}});
      out["messages"] = list;
    }
  }
  auto stored = device->GetRegistry().GetString(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerLastUpdateValue);
  out["lastUpdateTime"] = stored ? nlohmann::json(Utf8(*stored)) : nlohmann::json();
  PrintJson(context, out);
  return kExitOk;
}

int RunTicker(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  const std::string& verb = args[0];
  if (verb == "lead" && args.size() == 2) return Lead(context, args[1]);
  if (verb == "refresh" && args.size() == 1 && context.deviceDir) return RefreshOnDevice(context);
  if (verb == "files" && args.size() == 4) {
    auto start = IntArg(args[1]), end = IntArg(args[2]), step = IntArg(args[3]);
    if (!start || !end || !step) return Usage(context, kUsage);
    nlohmann::json list = nlohmann::json::array();
    for (const TickerFileRange& r : TickerMessageFiles(*start, *end, *step)) {
      list.push_back({{"file", r.file}, {"first", r.first}, {"last", r.last}});
    }
    PrintJson(context, list);
    return kExitOk;
  }
  if (verb == "messages" && args.size() == 4) {
    auto first = IntArg(args[2]), last = IntArg(args[3]);
    if (!first || !last) return Usage(context, kUsage);
    return Messages(context, args[1], *first, *last);
  }
  if (verb == "due" && args.size() == 4) {
    auto frequency = ParseInteger(args[2]);
    auto now = ParseTickerTime(Arg(args[3]));
    if (!frequency || !now) return Usage(context, kUsage);
    WString last = Arg(args[1]);
    PrintJson(context, IsTickerRefreshDue(WStringView(last), *frequency, *now));
    return kExitOk;
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("ticker", kUsage, &RunTicker);

}  // namespace
}  // namespace tarvo::probe
