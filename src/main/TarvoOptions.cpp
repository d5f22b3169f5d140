#include "main/TarvoOptions.h"

#include "app/AppVersion.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

bool ParseNumber(const std::string& text, int low, int high, int& out) {
  if (text.empty() || text.size() > 5) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return false;
  out = value;
  return true;
}

}  // namespace

std::string VersionLine() { return "Tarvo V" + ToUtf8(kAppVersion); }

std::optional<TarvoOptions> ParseTarvoOptions(const std::vector<std::string>& args,
                                              std::string* error) {
  TarvoOptions options;
  auto fail = [&](const std::string& why) -> std::optional<TarvoOptions> {
    if (error != nullptr) *error = why;
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--exit-after-first-frame") {
      options.exitAfterFirstFrame = true;
    } else if (arg == "--dump-state") {
      options.dumpState = true;
    } else if (arg == "--dump-ui") {
      options.dumpUi = true;
    } else if (arg == "--script" && hasValue && !args[i + 1].empty()) {
      options.scriptPath = args[++i];
    } else if (arg == "--step-delay" && hasValue) {
      if (!ParseNumber(args[++i], 0, 60000, options.stepDelayMs)) return fail("--step-delay takes 0 to 60000 ms");
    } else if (arg == "--debug") {
      options.debug = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--device" && hasValue) {
      options.deviceDir = args[++i];
    } else if (arg == "--screenshot" && hasValue && !args[i + 1].empty()) {
      options.screenshotPath = args[++i];
    } else if (arg == "--zoom" && hasValue) {
      if (!ParseNumber(args[++i], 1, 8, options.zoom)) return fail("--zoom takes 1 to 8");
    } else if (arg == "--screen" && hasValue) {
      const std::string& size = args[++i];
      const size_t x = size.find('x');
      if (x == std::string::npos || !ParseNumber(size.substr(0, x), 1, 4096, options.width) ||
          !ParseNumber(size.substr(x + 1), 1, 4096, options.height))
        return fail("--screen takes WIDTHxHEIGHT, e.g. 240x320");
    } else {
      return fail("unknown option or missing value: " + arg);
    }
  }
  if (options.dumpState || options.dumpUi || !options.screenshotPath.empty()) options.headless = true;
  return options;
}

}  // namespace tarvo
