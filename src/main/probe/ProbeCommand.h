#pragma once
// The small dispatcher behind tarvo-probe. Each file of subcommands registers
// one top-level word ("ini", "keywords", ...) with a static ProbeRegistration.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/WString.h"

namespace tarvo::probe {

inline constexpr int kExitOk = 0;
inline constexpr int kExitAbsent = 1;
inline constexpr int kExitUsage = 2;

// Arguments after the command word, with option lookup. Everything after a
// lone "--" is positional.
class ProbeArgs {
 public:
  explicit ProbeArgs(std::vector<std::string> args);

  // Removes "--name VALUE" and returns VALUE; nullopt when absent. A name
  // given without its value sets the error flag.
  std::optional<std::string> TakeOption(const std::string& name);
  bool TakeFlag(const std::string& name);
  // What is left once the options were taken; an unknown "--option" left
  // over sets the error flag.
  std::vector<std::string> Positional();
  bool HasError() const { return error_; }

 private:
  std::vector<std::string> options_;
  std::vector<std::string> rest_;
  bool error_ = false;
};

struct ProbeContext {
  ProbeArgs args;
  std::string codePage;
  std::optional<std::string> deviceDir;
  std::ostream& out;
  std::ostream& err;
};

using ProbeHandler = int (*)(ProbeContext& context);

struct ProbeRegistration {
  ProbeRegistration(const char* word, const char* usage, ProbeHandler handler);
};

// Runs tarvo-probe with argv-style arguments (without the program name).
int RunProbe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Shared helpers for subcommands.
WString Arg(const std::string& utf8);                 // UTF-8 argument to text
std::string Utf8(WStringView text);                   // text to UTF-8 output
std::optional<long long> ParseInteger(const std::string& text);
int Usage(ProbeContext& context, const char* usage);  // prints usage, returns 2
std::optional<std::string> ReadHostFile(const std::string& path);

}  // namespace tarvo::probe
