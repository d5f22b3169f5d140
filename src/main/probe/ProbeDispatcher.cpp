#include <algorithm>
#include <iostream>
#include <map>

#include "main/probe/ProbeCommand.h"
#include "platform/device/DebugOutput.h"
#include "platform/device/HostFiles.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

namespace tarvo::probe {
namespace {

struct Entry {
  const char* usage;
  ProbeHandler handler;
};

std::map<std::string, Entry>& Commands() {
  static std::map<std::string, Entry> commands;
  return commands;
}

void PrintHelp(std::ostream& out) {
  out << "tarvo-probe: checks the portal's files and formats by hand.\n\n"
         "usage: tarvo-probe [--codepage NAME] [--device DIR] [--debug] COMMAND ...\n\n"
         "  --codepage NAME  code page of the files read (default GBK)\n"
         "  --device DIR     device directory whose profile the command uses\n"
         "  --debug          print debug traces to stderr\n\n"
         "commands:\n";
  for (const auto& [word, entry] : Commands()) out << entry.usage << "\n";
  out << "\nexit status: 0 success, 1 the thing asked for is absent, 2 bad usage or "
         "unreadable input\n";
}

}  // namespace

ProbeRegistration::ProbeRegistration(const char* word, const char* usage, ProbeHandler handler) {
  Commands()[word] = Entry{usage, handler};
}

ProbeArgs::ProbeArgs(std::vector<std::string> args) {
  bool positionalOnly = false;
  for (auto& arg : args) {
    if (!positionalOnly && arg == "--") {
      positionalOnly = true;
      continue;
    }
    if (positionalOnly) {
      rest_.push_back(std::move(arg));
    } else {
      options_.push_back(std::move(arg));
    }
  }
}

std::optional<std::string> ProbeArgs::TakeOption(const std::string& name) {
  for (size_t i = 0; i < options_.size(); ++i) {
    if (options_[i] != name) continue;
    if (i + 1 >= options_.size()) {
      error_ = true;
      options_.erase(options_.begin() + i);
      return std::nullopt;
    }
    std::string value = options_[i + 1];
    options_.erase(options_.begin() + i, options_.begin() + i + 2);
    return value;
  }
  return std::nullopt;
}

bool ProbeArgs::TakeFlag(const std::string& name) {
  auto found = std::find(options_.begin(), options_.end(), name);
  if (found == options_.end()) return false;
  options_.erase(found);
  return true;
}

std::vector<std::string> ProbeArgs::Positional() {
  std::vector<std::string> out;
  for (const auto& arg : options_) {
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) error_ = true;
    out.push_back(arg);
  }
  out.insert(out.end(), rest_.begin(), rest_.end());
  return out;
}

int RunProbe(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err) {
  std::vector<std::string> args = rawArgs;
  std::string codePage(kDefaultCodePage);
  std::optional<std::string> deviceDir;
  // Global options stand before the command word.
  size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      PrintHelp(out);
      return kExitOk;
    } else if (arg == "--debug") {
      SetDebugOutput(true);
    } else if ((arg == "--codepage" || arg == "--device") && i + 1 < args.size()) {
      (arg == "--codepage" ? codePage : deviceDir.emplace()) = args[++i];
    } else {
      break;
    }
  }
  if (i >= args.size()) {
    PrintHelp(err);
    return kExitUsage;
  }
  auto found = Commands().find(args[i]);
  if (found == Commands().end()) {
    err << "tarvo-probe: unknown command '" << args[i] << "' (see --help)\n";
    return kExitUsage;
  }
  std::vector<std::string> rest(args.begin() + i + 1, args.end());
  if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
    out << "usage:\n" << found->second.usage << "\n";
    return kExitOk;
  }
  ProbeContext context{ProbeArgs(std::move(rest)), codePage, deviceDir, out, err};
  // Global options may also follow the command word.
  if (auto page = context.args.TakeOption("--codepage")) context.codePage = *page;
  if (auto dir = context.args.TakeOption("--device")) context.deviceDir = *dir;
  if (context.args.TakeFlag("--debug")) SetDebugOutput(true);
  // The default code page is the one the whole program relies on and is not
  // checked: opening its converters up front costs more than many commands
  // take, and those that convert text open them when they first do.
  if (context.codePage != kDefaultCodePage && !IsSupportedCodePage(context.codePage)) {
    err << "tarvo-probe: unknown code page '" << context.codePage << "'\n";
    return kExitUsage;
  }
  return found->second.handler(context);
}

WString Arg(const std::string& utf8) { return FromUtf8(utf8); }

std::string Utf8(WStringView text) { return ToUtf8(text); }

std::optional<long long> ParseInteger(const std::string& text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  size_t pos = 0;
  bool negative = false;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    pos = 1;
  }
  if (pos >= text.size()) return std::nullopt;
  long long value = 0;
  for (; pos < text.size(); ++pos) {
    if (text[pos] < '0' || text[pos] > '9') return std::nullopt;
    if (value > (9223372036854775807LL - (text[pos] - '0')) / 10) return std::nullopt;
    value = value * 10 + (text[pos] - '0');
  }
  return negative ? -value : value;
}

int Usage(ProbeContext& context, const char* usage) {
  context.err << "usage:\n" << usage << "\n";
  return kExitUsage;
}

std::optional<std::string> ReadHostFile(const std::string& path) { return host::ReadFile(path); }

}  // namespace tarvo::probe
