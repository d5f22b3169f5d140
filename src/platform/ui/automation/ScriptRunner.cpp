#include "platform/ui/automation/ScriptRunner.h"

#include <fstream>
#include <thread>

#include "platform/text/Utf8.h"
#include "platform/ui/Ui.h"
#include "platform/ui/automation/UiDump.h"

namespace tarvo::ui::automation {
namespace {

constexpr std::chrono::milliseconds kNow{0};

std::string Quoted(WStringView text) { return "\"" + DumpText(text) + "\""; }

std::vector<WString> SplitMenuPath(const std::string& path) {
  std::vector<WString> captions;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    captions.push_back(FromUtf8(path.substr(start, end - start)));
    start = end + 1;
  }
  return captions;
}

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  return static_cast<bool>(file);
}

}  // namespace

ScriptRunner::ScriptRunner(UiAutomation& engine, ScriptHost host, std::ostream& out)
    : engine_(engine), host_(std::move(host)), out_(out) {}

int ScriptRunner::Run(const Script& script) {
  programEnded_ = false;
  for (const ScriptStep& step : script.steps) {
    Outcome outcome = RunStep(step);
    // A program that ends during any step but expect-exit fails it.
    if (step.name != "expect-exit" && engine_.Ended()) outcome = Outcome::Failed("the program ended");
    if (!outcome) {
      ReportFailure(step, outcome);
      return kExitFailed;
    }
    out_ << step.line << " " << step.source << ": ok" << std::endl;
    if (programEnded_) return host_.exitStatus ? host_.exitStatus() : kExitHeld;
    if (stepDelay_.count() > 0) std::this_thread::sleep_for(stepDelay_);
  }
  return kExitHeld;
}

Outcome ScriptRunner::RunStep(const ScriptStep& step) {
  const std::string& name = step.name;
  const auto& a = step.args;
  const auto& n = step.numbers;
  auto text = [&](size_t i) { return FromUtf8(a.at(i)); };
  if (engine_.Ended()) return Outcome::Failed("the program ended");
  if (name == "tap") {
    engine_.Tap(Point{n[0], n[1]});
  } else if (name == "drag") {
    engine_.Drag(Point{n[0], n[1]}, Point{n[2], n[3]}, n.size() > 4 ? n[4] : 5, UiAutomation::kDragPauseMs);
  } else if (name == "hold") {
    engine_.TapAndHold(Point{n[0], n[1]});
  } else if (name == "type") {
    engine_.Type(text(0));
  } else if (name == "key") {
    engine_.Key(n[0]);
  } else if (name == "rotate") {
    engine_.Rotate();
  } else if (name == "tap-text") {
    return engine_.TapText(text(0), n.empty() ? 1 : n[0]);
  } else if (name == "menu") {
    return engine_.PickMenu(SplitMenuPath(a[0]));
  } else if (name == "answer") {
    return engine_.Answer(text(0));
  } else if (name == "clipboard") {
    const WString clip = text(0);
    if (!engine_.Run([this, clip] { engine_.GetUi().SetClipboardText(clip); }))
      return Outcome::Failed("the screen did not answer");
  } else if (name == "wait-dialog" || name == "expect-dialog") {
    return engine_.WaitDialog(text(0), name == "expect-dialog" ? kNow : step.deadline);
  } else if (name == "wait-gone") {
    return engine_.WaitGone(text(0), step.deadline);
  } else if (name == "wait-message" || name == "expect-message") {
    return engine_.WaitMessage(a.empty() ? WString() : text(0), name == "expect-message" ? kNow : step.deadline);
  } else if (name == "wait-text" || name == "expect-text") {
    return engine_.WaitText(text(0), name == "expect-text" ? kNow : step.deadline);
  } else if (name == "wait-idle") {
    return engine_.WaitIdle(step.deadline);
  } else if (name == "expect-file") {
    if (!host_.phoneFileExists || !host_.phoneFileExists(text(0))) return Outcome::Failed("no file " + a[0]);
  } else if (name == "screenshot") {
    if (!engine_.SaveScreen(a[0])) return Outcome::Failed("cannot write " + a[0]);
  } else if (name == "dump") {
    auto dump = engine_.Dump();
    if (!dump) return Outcome::Failed("the screen did not answer");
    const std::string json = dump->dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    if (a[0] == "-") {
      out_ << json << std::endl;
    } else if (!WriteText(a[0], json + "\n")) {
      return Outcome::Failed("cannot write " + a[0]);
    }
  } else if (name == "expect-exit") {
    if (!engine_.WaitEnded(step.deadline)) return Outcome::Failed("the program did not end");
    programEnded_ = true;
  } else {
    return Outcome::Failed("unknown step");
  }
  return Outcome::Held();
}

void ScriptRunner::ReportFailure(const ScriptStep& step, const Outcome& outcome) {
  std::string line = std::to_string(step.line) + " " + step.source + ": failed: " + outcome.why;
  if (!engine_.Ended()) {
    std::string windows;
    for (const WindowInfo& window : engine_.Windows())
      windows += (windows.empty() ? "" : ", ") + Quoted(window.caption) + " (" + window.className + ")";
    line += "; windows: " + (windows.empty() ? std::string("none") : windows);
    std::string shown;
    for (const WString& text : engine_.ShownTexts()) shown += (shown.empty() ? "" : ", ") + Quoted(text);
    line += "; on screen: " + (shown.empty() ? std::string("nothing") : shown);
    engine_.SaveScreen(kFailurePng);
    if (auto dump = engine_.Dump())
      WriteText(kFailureJson, dump->dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
  }
  out_ << line << std::endl;
}

}  // namespace tarvo::ui::automation
