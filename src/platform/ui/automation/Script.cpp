#include "platform/ui/automation/Script.h"

#include <map>

#include "platform/ui/Messages.h"

namespace tarvo::ui::automation {
namespace {

struct StepShape {
  int minArgs;
  int maxArgs;
  bool takesDeadline;
};

const std::map<std::string, StepShape, std::less<>>& Shapes() {
  static const std::map<std::string, StepShape, std::less<>> shapes = {
      {"tap", {2, 2, false}},           {"drag", {4, 5, false}},         {"hold", {2, 2, false}},
      {"type", {1, 1, false}},          {"key", {1, 1, false}},          {"rotate", {0, 0, false}},
      {"tap-text", {1, 2, false}},      {"menu", {1, 1, false}},         {"answer", {1, 1, false}},
      {"clipboard", {1, 1, false}},     {"wait-dialog", {1, 1, true}},   {"wait-gone", {1, 1, true}},
      {"wait-message", {0, 1, true}},   {"wait-text", {1, 1, true}},     {"wait-idle", {0, 0, true}},
      {"expect-dialog", {1, 1, false}}, {"expect-message", {1, 1, false}}, {"expect-text", {1, 1, false}},
      {"expect-file", {1, 1, false}},   {"screenshot", {1, 1, false}},   {"dump", {1, 1, false}},
      {"expect-exit", {0, 0, true}},
  };
  return shapes;
}

std::optional<int> ParseInt(std::string_view text, int low, int high) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// Checks the arguments of one step and fills its numbers; empty when fine.
std::string CheckStep(ScriptStep& step) {
  const auto& a = step.args;
  auto number = [&](size_t i, int low, int high, const char* what) -> std::string {
    auto value = ParseInt(a[i], low, high);
    if (!value) return std::string(what) + " must be a number from " + std::to_string(low) + " to " +
                       std::to_string(high) + ", not \"" + a[i] + "\"";
    step.numbers.push_back(*value);
    return "";
  };
  if (step.name == "tap" || step.name == "hold") {
    for (size_t i = 0; i < 2; ++i) {
      if (auto why = number(i, -9999, 9999, "a coordinate"); !why.empty()) return why;
    }
  } else if (step.name == "drag") {
    for (size_t i = 0; i < 4; ++i) {
      if (auto why = number(i, -9999, 9999, "a coordinate"); !why.empty()) return why;
    }
    if (a.size() == 5) {
      if (auto why = number(4, 1, 1000, "the steps"); !why.empty()) return why;
    }
  } else if (step.name == "key") {
    auto key = ParseKeyName(a[0]);
    if (!key) return "unknown key \"" + a[0] + "\"";
    step.numbers.push_back(*key);
  } else if (step.name == "tap-text") {
    if (a.size() == 2) {
      if (auto why = number(1, 1, 10000, "the count"); !why.empty()) return why;
    }
  } else if (step.name == "menu") {
    if (a[0].empty() || a[0].front() == '/' || a[0].back() == '/' || a[0].find("//") != std::string::npos)
      return "a menu path is captions separated by '/'";
  } else if (step.name == "screenshot" || step.name == "dump" || step.name == "expect-file" ||
             step.name == "wait-dialog" || step.name == "wait-gone" || step.name == "wait-text" ||
             step.name == "answer" || step.name == "expect-dialog" || step.name == "expect-text" ||
             step.name == "expect-message") {
    if (a[0].empty()) return "the argument is empty";
  }
  return "";
}

}  // namespace

bool SplitArguments(std::string_view line, std::vector<std::string>& out) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    std::string arg;
    if (line[i] == '"') {
      const size_t end = line.find('"', i + 1);
      if (end == std::string_view::npos) return false;
      arg = std::string(line.substr(i + 1, end - i - 1));
      i = end + 1;
      // A quoted argument ends at its quote: text right after it is an error.
      if (i < line.size() && line[i] != ' ' && line[i] != '\t') return false;
    } else {
      size_t end = i;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t') {
        if (line[end] == '"') return false;
        ++end;
      }
      arg = std::string(line.substr(i, end - i));
      i = end;
    }
    out.push_back(std::move(arg));
  }
  return true;
}

std::optional<std::chrono::milliseconds> ParseDeadline(std::string_view text) {
  int scale = 0;
  if (text.size() > 2 && text.substr(text.size() - 2) == "ms") {
    scale = 1;
    text.remove_suffix(2);
  } else if (text.size() > 1 && text.back() == 's') {
    scale = 1000;
    text.remove_suffix(1);
  } else {
    return std::nullopt;
  }
  auto value = ParseInt(text, 0, scale == 1 ? 86'400'000 : 86'400);
  if (!value) return std::nullopt;
  return std::chrono::milliseconds(static_cast<int64_t>(*value) * scale);
}

std::optional<int> ParseKeyName(std::string_view name) {
  static const std::map<std::string, int, std::less<>> named = {
      {"End", keys::kEnd},        {"Enter", keys::kReturn},    {"Up", keys::kUp},
      {"Down", keys::kDown},      {"Left", keys::kLeft},       {"Right", keys::kRight},
      {"Back", keys::kBack},      {"Escape", keys::kEscape},   {"Tab", keys::kTab},
      {"Delete", keys::kDelete},  {"Home", keys::kHome},       {"PageUp", keys::kPageUp},
      {"PageDown", keys::kPageDown},
  };
  if (auto it = named.find(name); it != named.end()) return it->second;
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    auto n = ParseInt(name.substr(1), 1, 12);
    if (n) return 0x70 + *n - 1;  // the phone's F1 to F12 key codes
    return std::nullopt;
  }
  return ParseInt(name, 1, 0xFFFF);
}

std::optional<Script> ParseScript(std::string_view text, std::string* error) {
  Script script;
  auto fail = [&](int line, const std::string& why) -> std::optional<Script> {
    if (error != nullptr) *error = "line " + std::to_string(line) + ": " + why;
    return std::nullopt;
  };
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  int lineNumber = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> words;
    if (!SplitArguments(line, words)) return fail(lineNumber, "a double quote is not closed where it should be");
    ScriptStep step;
    step.line = lineNumber;
    step.source = std::string(line);
    step.name = words.front();
    step.args.assign(words.begin() + 1, words.end());
    auto shape = Shapes().find(step.name);
    if (shape == Shapes().end()) return fail(lineNumber, "unknown step \"" + step.name + "\"");
    // A wait's deadline is its last argument with a unit, beyond what it needs.
    if (shape->second.takesDeadline && static_cast<int>(step.args.size()) > shape->second.minArgs) {
      if (auto deadline = ParseDeadline(step.args.back())) {
        step.deadline = *deadline;
        step.args.pop_back();
      }
    }
    const int count = static_cast<int>(step.args.size());
    if (count < shape->second.minArgs || count > shape->second.maxArgs) {
      return fail(lineNumber, step.name + " takes " +
                                  (shape->second.minArgs == shape->second.maxArgs
                                       ? std::to_string(shape->second.minArgs)
                                       : std::to_string(shape->second.minArgs) + " to " +
                                             std::to_string(shape->second.maxArgs)) +
                                  " argument(s)" + (shape->second.takesDeadline ? " and an optional deadline" : "") +
                                  ", not " + std::to_string(count));
    }
    if (std::string why = CheckStep(step); !why.empty()) return fail(lineNumber, step.name + ": " + why);
    script.steps.push_back(std::move(step));
    if (end == text.size()) break;
  }
  return script;
}

}  // namespace tarvo::ui::automation
