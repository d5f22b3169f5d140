#include "support/ui/ScreenDriver.h"

#include <condition_variable>
#include <mutex>

#include "platform/ui/ImageCodec.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PopupMenuWindow.h"

namespace tarvo::testing {

using ui::InputEvent;
using ui::Point;

ScreenDriver::ScreenDriver(int width, int height) {
  ui::UiOptions options;
  options.width = width;
  options.height = height;
  options.clock = &clock_;
  ui_ = std::make_unique<ui::Ui>(options);
  thread_ = std::thread([this] { ui_->RunUntil([] { return false; }); });
}

ScreenDriver::~ScreenDriver() {
  ui_->Quit();
  thread_.join();
}

void ScreenDriver::Start(std::function<void()> app) { ui_->PostTask(std::move(app)); }

bool ScreenDriver::Sync() {
  auto done = std::make_shared<std::promise<void>>();
  auto future = done->get_future();
  ui_->PostTask([done] { done->set_value(); });
  return future.wait_for(kDeadline) == std::future_status::ready;
}

bool ScreenDriver::WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  std::mutex lock;
  std::condition_variable pause;
  while (true) {
    if (Invoke([&] { return condition(); })) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    // A short pause between polls so the UI thread gets to work.
    std::unique_lock<std::mutex> guard(lock);
    pause.wait_for(guard, std::chrono::milliseconds(2));
  }
}

void ScreenDriver::Post(InputEvent event) { ui_->PostInput(std::move(event)); }

void ScreenDriver::PenDown(Point p) {
  Post(InputEvent{InputEvent::Type::PenDown, p, 0, {}});
  Sync();
}

void ScreenDriver::PenMove(Point p) {
  Post(InputEvent{InputEvent::Type::PenMove, p, 0, {}});
  Sync();
}

void ScreenDriver::PenUp(Point p) {
  Post(InputEvent{InputEvent::Type::PenUp, p, 0, {}});
  Sync();
}

void ScreenDriver::Tap(Point p) {
  Post(InputEvent{InputEvent::Type::PenDown, p, 0, {}});
  Post(InputEvent{InputEvent::Type::PenUp, p, 0, {}});
  Sync();
}

void ScreenDriver::Drag(Point from, Point to, int steps) {
  steps = std::max(1, steps);
  Post(InputEvent{InputEvent::Type::PenDown, from, 0, {}});
  for (int i = 1; i <= steps; ++i) {
    Point p{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    Post(InputEvent{InputEvent::Type::PenMove, p, 0, {}});
  }
  Post(InputEvent{InputEvent::Type::PenUp, to, 0, {}});
  Sync();
}

void ScreenDriver::TapAndHold(Point p) {
  PenDown(p);
  AdvanceTime(ui::Ui::kTapAndHoldMs + 100);
  PenUp(p);
}

void ScreenDriver::Type(WStringView text) {
  Post(InputEvent{InputEvent::Type::Text, {}, 0, WString(text)});
  Sync();
}

void ScreenDriver::Key(int key) {
  Post(InputEvent{InputEvent::Type::Key, {}, key, {}});
  Sync();
}

void ScreenDriver::AdvanceTime(int ms) {
  clock_.Advance(ms);
  ui_->PostTask([this] { ui_->RunDueTimers(); });
  Sync();
}

ui::Canvas ScreenDriver::Screenshot() {
  return Invoke([this] { return ui_->RenderScreen(); });
}

bool ScreenDriver::SaveScreen(const std::string& path) { return ui::SavePng(Screenshot(), path); }

WString ScreenDriver::TopCaption() {
  return Invoke([this] {
    ui::Window* active = ui_->ActiveWindow();
    return active != nullptr ? active->Text() : WString();
  });
}

bool ScreenDriver::WaitForDialog(WStringView caption, std::chrono::milliseconds deadline) {
  WString wanted(caption);
  return WaitFor(
      [this, wanted] {
        ui::Window* active = ui_->ActiveWindow();
        return active != nullptr && active->IsDialog() && active->Text() == wanted;
      },
      deadline);
}

std::optional<MessageBoxInfo> ScreenDriver::ShownMessageBox() {
  return Invoke([this]() -> std::optional<MessageBoxInfo> {
    auto* box = dynamic_cast<ui::MessageBoxDialog*>(ui_->ActiveWindow());
    if (box == nullptr) return std::nullopt;
    return MessageBoxInfo{box->Caption(), box->Message(), box->Icon(), box->ButtonCaptions()};
  });
}

std::optional<MessageBoxInfo> ScreenDriver::WaitForMessageBox(std::chrono::milliseconds deadline) {
  if (!WaitFor([this] { return dynamic_cast<ui::MessageBoxDialog*>(ui_->ActiveWindow()) != nullptr; }, deadline))
    return std::nullopt;
  return ShownMessageBox();
}

bool ScreenDriver::AnswerMessageBox(WStringView buttonCaption) {
  WString wanted(buttonCaption);
  std::optional<Point> at = Invoke([this, wanted]() -> std::optional<Point> {
    auto* box = dynamic_cast<ui::MessageBoxDialog*>(ui_->ActiveWindow());
    if (box == nullptr) return std::nullopt;
    for (ui::Window* child : box->Children()) {
      if (child->Text() == wanted) {
        ui::Rect r = child->ScreenRect();
        return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      }
    }
    return std::nullopt;
  });
  if (!at) return false;
  Tap(*at);
  return true;
}

bool ScreenDriver::PickMenuItem(const std::vector<WString>& path) {
  for (const WString& caption : path) {
    std::optional<Point> at = Invoke([this, caption]() -> std::optional<Point> {
      ui::Window* top = ui_->TopWindow();
      if (auto* popup = dynamic_cast<ui::PopupMenuWindow*>(top)) {
        for (size_t i = 0; i < popup->Items().size(); ++i) {
          if (popup->Items()[i].caption == caption && popup->Items()[i].enabled) {
            ui::Rect r = popup->ItemRect(i);
            return popup->ToScreen(Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
          }
        }
        return std::nullopt;
      }
      ui::Window* active = ui_->FrameOwner();
      ui::MenuBar* bar = active != nullptr ? active->GetMenuBar() : nullptr;
      if (bar == nullptr || !active->ShowsMenuBar()) return std::nullopt;
      for (size_t i = 0; i < bar->Items().size(); ++i) {
        if (bar->Items()[i].caption == caption) {
          ui::Rect r = ui_->Frame().SoftKeyRect(active, i);
          return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        }
      }
      return std::nullopt;
    });
    if (!at) return false;
    Tap(*at);
  }
  return true;
}

bool ScreenDriver::TapOkButton() {
  std::optional<Point> at = Invoke([this]() -> std::optional<Point> {
    const ui::Rect r = ui_->Frame().OkButtonRect(ui_->FrameOwner());
    if (r.IsEmpty()) return std::nullopt;
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  });
  if (!at) return false;
  Tap(*at);
  return true;
}

std::vector<WString> ScreenDriver::SoftKeys() {
  return Invoke([this] {
    std::vector<WString> keys;
    ui::Window* owner = ui_->FrameOwner();
    ui::MenuBar* bar = owner != nullptr ? owner->GetMenuBar() : nullptr;
    if (bar == nullptr || !owner->ShowsMenuBar()) return keys;
    for (const ui::MenuItem& item : bar->Items()) {
      keys.push_back(item.caption);
      for (const ui::MenuItem& sub : item.subItems)
        if (!sub.separator) keys.push_back(item.caption + u"/" + sub.caption);
    }
    return keys;
  });
}

ui::Window* FindDescendant(ui::Window* root, int id) {
  if (root == nullptr) return nullptr;
  for (ui::Window* child : root->Children()) {
    if (child->Id() == id) return child;
    if (ui::Window* found = FindDescendant(child, id)) return found;
  }
  return nullptr;
}

std::optional<WString> ScreenDriver::ControlText(int id) {
  return Invoke([this, id]() -> std::optional<WString> {
    ui::Window* control = FindDescendant(ui_->ActiveWindow(), id);
    if (control == nullptr) return std::nullopt;
    return control->Text();
  });
}

std::optional<std::vector<std::vector<WString>>> ScreenDriver::ListRows(int id) {
  return Invoke([this, id]() -> std::optional<std::vector<std::vector<WString>>> {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(ui_->ActiveWindow(), id));
    if (list == nullptr) return std::nullopt;
    std::vector<std::vector<WString>> rows;
    for (int r = 0; r < list->ItemCount(); ++r) {
      std::vector<WString> row;
      for (int c = 0; c < std::max(1, list->ColumnCount()); ++c) row.push_back(list->GetItemText(r, c));
      rows.push_back(std::move(row));
    }
    return rows;
  });
}

std::optional<Point> ScreenDriver::ControlCenter(int id) {
  return Invoke([this, id]() -> std::optional<Point> {
    ui::Window* control = FindDescendant(ui_->ActiveWindow(), id);
    if (control == nullptr) return std::nullopt;
    ui::Rect r = control->ScreenRect();
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  });
}

}  // namespace tarvo::testing
