#pragma once
// A script of steps for `tarvo --script`: UTF-8 text, one step a line,
// blank lines and lines starting with '#' ignored, arguments separated by
// blanks, an argument holding blanks written in double quotes. The whole
// script is checked before anything runs; docs/scripting.md lists the steps.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::ui::automation {

struct ScriptStep {
  static constexpr std::chrono::milliseconds kDefaultDeadline{10000};

  int line = 0;
  // The line as written, without surrounding blanks.
  std::string source;
  std::string name;
  // The arguments, without the deadline of a wait.
  std::vector<std::string> args;
  std::chrono::milliseconds deadline = kDefaultDeadline;
  // Parsed numbers: coordinates, steps, the N of tap-text, a key code.
  std::vector<int> numbers;
};

struct Script {
  std::vector<ScriptStep> steps;
};

// nullopt with "line N: why" in error when the script is malformed.
std::optional<Script> ParseScript(std::string_view text, std::string* error);
// Splits a line into arguments; false when a quote is not closed.
bool SplitArguments(std::string_view line, std::vector<std::string>& out);
// "2500ms" or "30s"; nullopt for anything else.
std::optional<std::chrono::milliseconds> ParseDeadline(std::string_view text);
// A key name of the key step ("Enter", "F1", "Back"...) or a decimal code.
std::optional<int> ParseKeyName(std::string_view name);

}  // namespace tarvo::ui::automation
