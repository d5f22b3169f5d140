#include "platform/ui/automation/UiAutomation.h"

#include <thread>

#include "platform/text/Utf8.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ImageCodec.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/Ui.h"
#include "platform/ui/automation/UiDump.h"

namespace tarvo::ui::automation {
namespace {

// How often a grid is looked at while it springs back to rest, and for how long.
constexpr int kGridSettleStepMs = 20;
constexpr int kGridSettleSteps = 250;
// Drags that may be needed to reach a grid's end.
constexpr int kGridDrags = 3;
// How long the task confirming a condition may take even at the deadline.
constexpr std::chrono::milliseconds kConfirmBound{1000};

Point Center(const Rect& r) { return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::string Quoted(WStringView text) { return "\"" + DumpText(text) + "\""; }

WindowInfo InfoOf(const Window& window) { return WindowInfo{window.Text(), ClassNameOf(window)}; }

// The nth match among what the top window shows, with its index in shown.
std::optional<size_t> NthMatch(const std::vector<ShownThing>& shown, WStringView text, int nth) {
  int seen = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (ShownTextMatches(shown[i].text, text) && ++seen == nth) return i;
  }
  return std::nullopt;
}

}  // namespace

struct UiAutomation::State {
  struct Waiter {
    std::function<bool()> condition;
    bool met = false;
  };
  std::mutex mutex;
  std::condition_variable changed;
  std::list<std::shared_ptr<Waiter>> waiters;
  bool ended = false;

  // On the UI thread, after every pass of its loop.
  void AfterEvent() {
    std::lock_guard<std::mutex> guard(mutex);
    bool any = false;
    for (auto& waiter : waiters) {
      if (!waiter->met && waiter->condition()) waiter->met = any = true;
    }
    if (any) changed.notify_all();
  }
};

bool WindowMatches(const WindowInfo& window, WStringView captionOrClass) {
  return window.caption == captionOrClass || ToUtf8(captionOrClass) == window.className;
}

UiAutomation::UiAutomation(Ui& ui) : ui_(ui), state_(std::make_shared<State>()) {
  ui_.SetAfterEventHook([state = state_] { state->AfterEvent(); });
}

UiAutomation::~UiAutomation() = default;

bool UiAutomation::Run(std::function<void()> fn, Deadline deadline) {
  auto done = std::make_shared<bool>(false);
  {
    std::lock_guard<std::mutex> guard(state_->mutex);
    if (state_->ended) return false;
  }
  ui_.PostTask([state = state_, done, fn = std::move(fn)] {
    fn();
    std::lock_guard<std::mutex> guard(state->mutex);
    *done = true;
    state->changed.notify_all();
  });
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->changed.wait_for(lock, deadline, [&] { return *done || state_->ended; });
  return *done;
}

bool UiAutomation::WaitFor(std::function<bool()> condition, Deadline deadline) {
  if (deadline.count() <= 0) return Invoke(std::move(condition)).value_or(false);
  const auto end = std::chrono::steady_clock::now() + deadline;
  auto waiter = std::make_shared<State::Waiter>();
  waiter->condition = condition;
  {
    std::lock_guard<std::mutex> guard(state_->mutex);
    if (state_->ended) return false;
    state_->waiters.push_back(waiter);
  }
  bool held = false;
  while (!held) {
    // A pass soon, so a condition that already holds is seen at once.
    ui_.PostTask([] {});
    {
      std::unique_lock<std::mutex> lock(state_->mutex);
      if (!state_->changed.wait_until(lock, end, [&] { return waiter->met || state_->ended; })) break;
      if (state_->ended) break;
    }
    // Seen at the end of a pass, perhaps inside a loop about to return (a box
    // just answered): confirmed by a task, which runs where the program goes on.
    const auto left = std::chrono::duration_cast<Deadline>(end - std::chrono::steady_clock::now());
    held = Invoke(condition, std::max(left, kConfirmBound)).value_or(false);
    std::lock_guard<std::mutex> guard(state_->mutex);
    waiter->met = false;
    if (state_->ended || std::chrono::steady_clock::now() >= end) break;
  }
  std::lock_guard<std::mutex> guard(state_->mutex);
  state_->waiters.remove(waiter);
  return held;
}

void UiAutomation::MarkEnded() {
  std::lock_guard<std::mutex> guard(state_->mutex);
  state_->ended = true;
  state_->changed.notify_all();
}

bool UiAutomation::WaitEnded(Deadline deadline) {
  std::unique_lock<std::mutex> lock(state_->mutex);
  return state_->changed.wait_for(lock, deadline, [&] { return state_->ended; });
}

bool UiAutomation::Ended() const {
  std::lock_guard<std::mutex> guard(state_->mutex);
  return state_->ended;
}

// --- input ---------------------------------------------------------------------

void UiAutomation::Post(const InputEvent& event) { ui_.PostInput(event); }

void UiAutomation::PenDown(Point p) {
  Post(InputEvent{InputEvent::Type::PenDown, p, 0, {}});
  Sync();
}

void UiAutomation::PenMove(Point p) {
  Post(InputEvent{InputEvent::Type::PenMove, p, 0, {}});
  Sync();
}

void UiAutomation::PenUp(Point p) {
  Post(InputEvent{InputEvent::Type::PenUp, p, 0, {}});
  Sync();
}

void UiAutomation::Tap(Point p) {
  Post(InputEvent{InputEvent::Type::PenDown, p, 0, {}});
  Post(InputEvent{InputEvent::Type::PenUp, p, 0, {}});
  Sync();
}

void UiAutomation::Drag(Point from, Point to, int steps, int pauseMs) {
  steps = std::max(1, steps);
  Post(InputEvent{InputEvent::Type::PenDown, from, 0, {}});
  if (pauseMs > 0) Pause(pauseMs);
  for (int i = 1; i <= steps; ++i) {
    Point p{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    Post(InputEvent{InputEvent::Type::PenMove, p, 0, {}});
  }
  Post(InputEvent{InputEvent::Type::PenUp, to, 0, {}});
  Sync();
}

void UiAutomation::TapAndHold(Point p) {
  PenDown(p);
  Pause(Ui::kTapAndHoldMs + 100);
  PenUp(p);
}

void UiAutomation::Type(WStringView text) {
  Post(InputEvent{InputEvent::Type::Text, {}, 0, WString(text)});
  Sync();
}

void UiAutomation::Key(int key) {
  Post(InputEvent{InputEvent::Type::Key, {}, key, {}});
  Sync();
}

void UiAutomation::Rotate() { Run([this] { ui_.Rotate(); }); }

void UiAutomation::Pause(int ms) {
  if (auto* clock = dynamic_cast<VirtualClock*>(&ui_.GetClock())) {
    clock->Advance(ms);
    ui_.PostTask([this] { ui_.RunDueTimers(); });
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  Sync();
}

// --- reading -----------------------------------------------------------------------

std::optional<Canvas> UiAutomation::Screenshot() {
  return Invoke([this] { return ui_.RenderScreen(); });
}

bool UiAutomation::SaveScreen(const std::string& path) {
  auto shot = Screenshot();
  return shot && SavePng(*shot, path);
}

std::optional<nlohmann::ordered_json> UiAutomation::Dump() {
  return Invoke([this] { return DumpUi(ui_); });
}

std::vector<ShownThing> UiAutomation::Shown() {
  return Invoke([this] { return CollectShown(ui_); }).value_or(std::vector<ShownThing>{});
}

std::vector<WString> UiAutomation::ShownTexts() {
  std::vector<WString> texts;
  for (ShownThing& thing : Shown()) texts.push_back(std::move(thing.text));
  return texts;
}

std::vector<WindowInfo> UiAutomation::Windows() {
  return Invoke([this] {
           std::vector<WindowInfo> windows;
           for (Window* window : ui_.TopLevels()) {
             if (window->IsVisible()) windows.push_back(InfoOf(*window));
           }
           return windows;
         })
      .value_or(std::vector<WindowInfo>{});
}

WString UiAutomation::TopCaption() {
  return Invoke([this] {
           Window* active = ui_.ActiveWindow();
           return active != nullptr ? active->Text() : WString();
         })
      .value_or(WString());
}

std::optional<MessageBoxInfo> UiAutomation::ShownMessageBox() {
  return Invoke([this]() -> std::optional<MessageBoxInfo> {
           auto* box = dynamic_cast<MessageBoxDialog*>(ui_.ActiveWindow());
           if (box == nullptr) return std::nullopt;
           return MessageBoxInfo{box->Caption(), box->Message(), box->Icon(), box->ButtonCaptions()};
         })
      .value_or(std::nullopt);
}

// --- by what a person sees ------------------------------------------------------------

Outcome UiAutomation::TapText(WStringView wanted, int nth) {
  if (nth < 1) return Outcome::Failed("the count starts at 1");
  const WString text(wanted);
  struct Target {
    std::optional<Point> at;
    // A grid cell out of view: the drag that brings it in (from, to).
    std::optional<std::pair<Point, Point>> drag;
    std::string why;
  };
  for (int drags = 0;; ++drags) {
    auto target = Invoke([this, text, nth]() -> Target {
      std::vector<ShownThing> shown = CollectShown(ui_);
      auto index = NthMatch(shown, text, nth);
      if (!index) return Target{std::nullopt, std::nullopt, "nothing shows " + Quoted(text)};
      ShownThing& thing = shown[*index];
      if (!thing.enabled) return Target{std::nullopt, std::nullopt, Quoted(text) + " is disabled"};
      Window* window = ui_.FromHandle(thing.window);
      if (window == nullptr) return Target{std::nullopt, std::nullopt, Quoted(text) + " went away"};
      // The frame's soft keys and "ok" lie outside the window.
      const bool onFrame =
          thing.source == ShownThing::Source::MenuBarItem || thing.source == ShownThing::Source::OkButton;
      const Rect view = onFrame ? Rect{0, 0, ui_.ScreenWidth(), ui_.ScreenHeight()} : window->ScreenRect();
      if (thing.source == ShownThing::Source::ListRow) {
        if (auto* list = dynamic_cast<ListView*>(window)) {
          const int before = list->ScrollOffset();
          list->EnsureVisible(thing.index);
          thing.rect = thing.rect.Offset(0, before - list->ScrollOffset());
        }
      }
      if (thing.source == ShownThing::Source::GridCell && !view.Contains(Center(thing.rect))) {
        CellGrid grid;
        window->DescribeCellGrid(grid);
        for (int rest : grid.restingOffsets) {
          const Rect there = thing.rect.Offset(0, rest - grid.scrollOffset);
          if (!view.Contains(Center(there))) continue;
          // Drag by the distance to that end and a little beyond, within the view.
          const int distance = rest - grid.scrollOffset;
          const int margin = std::max(2, view.Height() / 20);
          const int x = (view.left + view.right) / 2;
          Point from{x, distance < 0 ? view.bottom - margin : view.top + margin};
          int toY = from.y + distance + (distance < 0 ? -margin : margin);
          toY = std::clamp(toY, view.top + margin, view.bottom - margin);
          return Target{std::nullopt, std::make_pair(from, Point{x, toY}), ""};
        }
        return Target{std::nullopt, std::nullopt,
                      Quoted(text) + " is out of view and neither end of the grid shows it"};
      }
      const Rect visible = thing.rect.Intersect(view);
      if (visible.IsEmpty()) return Target{std::nullopt, std::nullopt, Quoted(text) + " is out of view"};
      return Target{Center(visible), std::nullopt, ""};
    });
    if (!target) return Outcome::Failed("the screen did not answer");
    if (target->at) {
      Tap(*target->at);
      return Outcome::Held();
    }
    if (!target->drag) return Outcome::Failed(target->why);
    if (drags >= kGridDrags) return Outcome::Failed(Quoted(text) + " stayed out of view after dragging the grid");
    Drag(target->drag->first, target->drag->second, 5, kDragPauseMs);
    Outcome rest = WaitForGrid(kDeadline);
    if (!rest) return rest;
  }
}

Outcome UiAutomation::WaitForGrid(Deadline) {
  for (int step = 0; step < kGridSettleSteps; ++step) {
    auto resting = Invoke([this] {
      Window* top = ui_.TopWindow();
      CellGrid grid;
      if (top == nullptr || !top->DescribeCellGrid(grid)) return true;
      return std::find(grid.restingOffsets.begin(), grid.restingOffsets.end(), grid.scrollOffset) !=
             grid.restingOffsets.end();
    });
    if (!resting) return Outcome::Failed("the screen did not answer");
    if (*resting) return Outcome::Held();
    Pause(kGridSettleStepMs);
  }
  return Outcome::Failed("the grid did not come to rest");
}

Outcome UiAutomation::PickMenu(const std::vector<WString>& path) {
  if (path.empty()) return Outcome::Failed("no menu item named");
  for (const WString& caption : path) {
    auto at = Invoke([this, caption]() -> std::optional<Point> {
      ui::Window* top = ui_.TopWindow();
      if (auto* popup = dynamic_cast<PopupMenuWindow*>(top)) {
        for (size_t i = 0; i < popup->Items().size(); ++i) {
          if (popup->Items()[i].caption == caption && popup->Items()[i].enabled)
            return popup->ToScreen(Center(popup->ItemRect(i)));
        }
        return std::nullopt;
      }
      Window* active = ui_.FrameOwner();
      MenuBar* bar = active != nullptr ? active->GetMenuBar() : nullptr;
      if (bar == nullptr || !active->ShowsMenuBar()) return std::nullopt;
      for (size_t i = 0; i < bar->Items().size(); ++i) {
        if (bar->Items()[i].caption == caption)
          return Center(ui_.Frame().SoftKeyRect(active, i));
      }
      return std::nullopt;
    });
    if (!at) return Outcome::Failed("the screen did not answer");
    if (!*at) return Outcome::Failed("no menu item " + Quoted(caption));
    Tap(**at);
  }
  return Outcome::Held();
}

Outcome UiAutomation::Answer(WStringView button) {
  const WString wanted(button);
  auto at = Invoke([this, wanted]() -> std::optional<Point> {
    auto* box = dynamic_cast<MessageBoxDialog*>(ui_.ActiveWindow());
    if (box == nullptr) return std::nullopt;
    for (Window* child : box->Children()) {
      if (child->Text() == wanted) return Center(child->ScreenRect());
    }
    return std::nullopt;
  });
  if (!at) return Outcome::Failed("the screen did not answer");
  if (!*at) {
    return ShownMessageBox() ? Outcome::Failed("the message box has no button " + Quoted(wanted))
                             : Outcome::Failed("no message box is shown");
  }
  Tap(**at);
  return Outcome::Held();
}

// --- waits ------------------------------------------------------------------------------

Outcome UiAutomation::WaitDialog(WStringView captionOrClass, Deadline deadline) {
  const WString wanted(captionOrClass);
  if (WaitFor(
          [this, wanted] {
            Window* active = ui_.ActiveWindow();
            return active != nullptr && WindowMatches(InfoOf(*active), wanted);
          },
          deadline))
    return Outcome::Held();
  return Outcome::Failed("no window " + Quoted(wanted) + " came");
}

Outcome UiAutomation::WaitGone(WStringView captionOrClass, Deadline deadline) {
  const WString wanted(captionOrClass);
  if (WaitFor(
          [this, wanted] {
            for (Window* window : ui_.TopLevels()) {
              if (window->IsVisible() && WindowMatches(InfoOf(*window), wanted)) return false;
            }
            return true;
          },
          deadline))
    return Outcome::Held();
  return Outcome::Failed("the window " + Quoted(wanted) + " stayed");
}

Outcome UiAutomation::WaitMessage(WStringView text, Deadline deadline) {
  const WString wanted(text);
  if (WaitFor(
          [this, wanted] {
            auto* box = dynamic_cast<MessageBoxDialog*>(ui_.ActiveWindow());
            return box != nullptr && (wanted.empty() || ShownTextMatches(box->Message(), wanted));
          },
          deadline))
    return Outcome::Held();
  if (auto box = ShownMessageBox()) return Outcome::Failed("the message box shows " + Quoted(box->text));
  return Outcome::Failed(wanted.empty() ? "no message box came" : "no message box " + Quoted(wanted) + " came");
}

Outcome UiAutomation::WaitText(WStringView text, Deadline deadline) {
  const WString wanted(text);
  if (WaitFor(
          [this, wanted] {
            for (const ShownThing& thing : CollectShown(ui_)) {
              if (ShownTextMatches(thing.text, wanted)) return true;
            }
            return false;
          },
          deadline))
    return Outcome::Held();
  return Outcome::Failed("nothing showed " + Quoted(wanted));
}

Outcome UiAutomation::WaitIdle(Deadline deadline) {
  if (WaitFor([this] { return ui_.IsIdle(); }, deadline)) return Outcome::Held();
  const int busy = ui_.Workers().BusyCount();
  if (busy > 0) return Outcome::Failed(std::to_string(busy) + " worker(s) still busy");
  return Outcome::Failed("the UI thread still had work queued");
}

}  // namespace tarvo::ui::automation
