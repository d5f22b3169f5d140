#include "platform/device/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <thread>

#include "platform/device/DebugOutput.h"
#include "platform/device/HostFiles.h"
#include "platform/text/Utf8.h"

extern char** environ;

namespace tarvo {
namespace {

// Words of a command, double quotes grouping.
std::vector<std::string> SplitWords(std::string_view command) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (char c : command) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::string OneLine(WStringView text) {
  std::string out = ToUtf8(text);
  for (char& c : out) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

WString Extension(WStringView document) {
  size_t dot = document.find_last_of(u'.');
  size_t slash = document.find_last_of(u"\\/");
  if (dot == WStringView::npos || (slash != WStringView::npos && dot < slash)) return {};
  return WString(document.substr(dot));
}

}  // namespace

Shell::Shell(const DeviceProfile& profile, PhoneFileSystem& files, const DeviceClock& clock,
             std::string launchLog)
    : profile_(profile), files_(files), clock_(clock), launchLog_(std::move(launchLog)) {}

std::vector<std::string> Shell::BuildArguments(std::string_view command, const std::string& target,
                                               const std::string& arguments) {
  std::vector<std::string> argv;
  bool usedTarget = false, usedArguments = false;
  for (std::string word : SplitWords(command)) {
    if (word == "%1") {
      word = target;
      usedTarget = true;
    } else if (word == "%*") {
      usedArguments = true;
      if (arguments.empty()) continue;
      word = arguments;
    }
    argv.push_back(word);
  }
  if (!usedTarget && !target.empty() && !argv.empty()) argv.push_back(target);
  if (!usedArguments && !arguments.empty() && !argv.empty()) argv.push_back(arguments);
  return argv;
}

std::optional<std::string> Shell::FindProgram(WStringView program) const {
  auto wanted = SplitPhonePath(program);
  if (!wanted || wanted->empty()) return std::nullopt;
  for (const auto& [key, command] : profile_.SectionEntries("Programs")) {
    auto parts = SplitPhonePath(FromUtf8(key));
    if (!parts || parts->size() != wanted->size()) continue;
    bool same = true;
    for (size_t i = 0; i < parts->size() && same; ++i) {
      same = SameNameIgnoringCase((*parts)[i], (*wanted)[i]);
    }
    if (same) return command;
  }
  return std::nullopt;
}

std::optional<std::string> Shell::FindFileType(WStringView document) const {
  WString type = Extension(document);
  const size_t colon = document.find(u':');
  if (colon != WStringView::npos && colon > 1) type = WString(document.substr(0, colon + 1));
  if (type.empty()) return std::nullopt;
  for (const auto& [key, command] : profile_.SectionEntries("FileTypes")) {
    if (SameNameIgnoringCase(FromUtf8(key), type)) return command;
  }
  return std::nullopt;
}

bool Shell::Run(const std::vector<std::string>& argv, bool wait) {
  if (argv.empty() || argv[0].empty()) return false;
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
  auto reap = [pid]() {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  };
  if (wait) {
    reap();
  } else {
    std::thread(reap).detach();
  }
  return true;
}

void Shell::Record(std::string_view kind, WStringView what, WStringView arguments,
                   std::string_view outcome) {
  const SystemTime t = clock_.GetLocalTime();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  std::string line = std::string(stamp) + "\t" + std::string(kind) + "\t" + OneLine(what) + "\t" +
                     OneLine(arguments) + "\t" + std::string(outcome) + "\n";
  host::AppendToFile(launchLog_, line, true);
  DebugTrace(line);
}

bool Shell::StartProcess(WStringView program, WStringView commandLine, bool wait) {
  auto command = FindProgram(program);
  if (!command || command->empty()) {
    Record("process", program, commandLine, "unmapped");
    return files_.FileExists(program);
  }
  const std::string target;  // the program itself is the mapped command
  bool started = Run(BuildArguments(*command, target, ToUtf8(commandLine)), wait);
  Record("process", program, commandLine, started ? "started" : "failed");
  return started;
}

bool Shell::ShellOpen(WStringView document, WStringView parameters) {
  auto command = FindProgram(document);
  if (!command) command = FindFileType(document);
  if (!command || command->empty()) {
    Record("open", document, parameters, "unmapped");
    return files_.FileExists(document);
  }
  // A phone file is handed over by its host path, anything else (an address) as given.
  std::string target = ToUtf8(document);
  if (document.find(u':') == WStringView::npos) {
    if (auto hostPath = files_.HostPath(document)) target = *hostPath;
  }
  bool started = Run(BuildArguments(*command, target, ToUtf8(parameters)), false);
  Record("open", document, parameters, started ? "started" : "failed");
  return started;
}

}  // namespace tarvo
