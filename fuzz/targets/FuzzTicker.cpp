// The ticker's whole refresh plan over one input: the lead and the list files
// (the input's parts between zero bytes, served for every file asked), the
// registry's due check, the parse and the ticker stepping through what came.
#include <climits>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "launcher/Ticker.h"
#include "launcher/TickerLead.h"
#include "launcher/TickerMessages.h"
#include "launcher/TickerRefresh.h"
#include "launcher/TickerSchedule.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

namespace {

struct Workspace {
  std::string folder;
  tarvo::HostFileAccess files;
  std::unique_ptr<tarvo::Registry> registry;
  Workspace() {
    char pattern[] = "/tmp/tarvo-fuzz-ticker-XXXXXX";
    folder = mkdtemp(pattern) ? pattern : "/tmp";
    registry = std::make_unique<tarvo::Registry>(folder + "/registry.ini", folder + "/registry.lock");
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  static Workspace workspace;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  WString text = FromCodePage(input);
  // The pieces that stand alone.
  std::vector<TickerMessage> loose;
  ParseTickerMessages(text, 1, INT_MAX, loose);
  ParseTickerMessages(text, INT_MIN, 0, loose);
  IsTickerRefreshDue(WStringView(text), 60, SystemTime());

  // The refresh: part 0 is the lead, part n the list file n (the last part
  // again for files past the input's parts).
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t at = input.find('\0'); at != std::string_view::npos; at = input.find('\0', from)) {
    parts.emplace_back(input.substr(from, at - from));
    from = at + 1;
  }
  parts.emplace_back(input.substr(from));
  Registry& registry = *workspace.registry;
  registry.DeleteValue(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerLastUpdateValue);
  TickerRefreshSetup setup;
  setup.files = &workspace.files;
  setup.registry = &registry;
  setup.tempFolder = FromUtf8(workspace.folder + "/");
  setup.contentServer = u"http://fuzz";
  setup.nowUtc = [] {
    SystemTime now;
    now.year = 2026;
    now.month = 1;
    now.day = 1;
    return now;
  };
  int fetches = 0;
  setup.fetch = [&](WStringView, WStringView path, const StopToken&) {
    const size_t index = std::min(static_cast<size_t>(fetches++), parts.size() - 1);
    workspace.files.WriteAtomically(path, parts[index]);
  };
  StopToken stop;
  auto result = RefreshTicker(setup, stop);

  // The ticker over what came: picks from the input's bytes, a pass of ticks, taps.
  size_t next = 0;
  Ticker ticker([](WStringView line) { return static_cast<int>(line.size()) * 7; },
                [&] { return size == 0 ? 0u : static_cast<uint32_t>(data[next++ % size]) * 2654435761u; });
  ticker.SetScreenWidth(240);
  if (result) {
    ticker.ApplyConfig(result->config);
    if (result->messages) ticker.SetMessages(*result->messages);
  }
  std::vector<WString> jokes = {text.substr(0, 64), u"\r\n\t"};
  TickerJokes source;
  source.loaded = true;
  source.count = [&] { return jokes.size(); };
  source.text = [&](size_t i) { return jokes[i]; };
  for (int tick = 0; tick < 40; ++tick) {
    ticker.Tick(source);
    if (tick % 13 == 0) {
      ticker.TickerTap();
      ticker.Restore(source);
    }
  }
  return 0;
}
