#pragma once
// The command line of the tarvo program.
#include <optional>
#include <string>
#include <vector>

namespace tarvo {

struct TarvoOptions {
  std::string deviceDir;  // empty: the default device
  int width = 0;          // 0: the profile's screen
  int height = 0;
  bool headless = false;
  std::string screenshotPath;
  bool exitAfterFirstFrame = false;
  bool dumpState = false;
  bool dumpUi = false;
  std::string scriptPath;
  int stepDelayMs = 0;
  int zoom = 2;
  bool debug = false;
  bool version = false;
  bool help = false;
};

inline constexpr const char* kTarvoUsage =
    "usage: tarvo [options]\n"
    "  --device DIR              the simulated phone (default ~/.local/share/tarvo/device)\n"
    "  --screen WxH              screen size, overriding the device profile\n"
    "  --headless                no window; message boxes answer themselves (not with --script)\n"
    "  --screenshot FILE         headless: save the screen after start-up and exit\n"
    "  --exit-after-first-frame  exit once the launcher has drawn itself\n"
    "  --dump-state              headless: print what the launcher holds as JSON and exit\n"
    "  --dump-ui                 headless: print the UI dump (windows, controls) after start-up and exit\n"
    "  --script FILE             run the steps of FILE (docs/scripting.md), then close as on \"退出\";\n"
    "                            exit 0 when every step held, 1 at a failed step, 2 for a malformed script\n"
    "  --step-delay MS           pause after every script step (to watch a run in the window)\n"
    "  --zoom N                  window scale, 1 to 8 (default 2)\n"
    "  --debug                   debug traces to stderr\n"
    "  --version, --help\n"
    "In the window: the mouse is the stylus; End or F4 is the End key, F5 rotates,\n"
    "F12 saves a screenshot.\n";

// What --version prints: "Tarvo V" and the program's version.
std::string VersionLine();

// nullopt (with a reason) for a malformed command line.
std::optional<TarvoOptions> ParseTarvoOptions(const std::vector<std::string>& args,
                                              std::string* error);

}  // namespace tarvo
