#include "support/ui/ScreenDriver.h"

#include "platform/ui/ListView.h"

namespace tarvo::testing {

using ui::Point;

ScreenDriver::ScreenDriver(int width, int height) {
  ui::UiOptions options;
  options.width = width;
  options.height = height;
  options.clock = &clock_;
  ui_ = std::make_unique<ui::Ui>(options);
  engine_ = std::make_unique<ui::automation::UiAutomation>(*ui_);
  thread_ = std::thread([this] { ui_->RunUntil([] { return false; }); });
}

ScreenDriver::~ScreenDriver() {
  ui_->Quit();
  thread_.join();
}

void ScreenDriver::Start(std::function<void()> app) { ui_->PostTask(std::move(app)); }

bool ScreenDriver::Sync() { return engine_->Sync(kDeadline); }

bool ScreenDriver::WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
  return engine_->WaitFor(condition, deadline);
}

void ScreenDriver::PenDown(Point p) { engine_->PenDown(p); }
void ScreenDriver::PenMove(Point p) { engine_->PenMove(p); }
void ScreenDriver::PenUp(Point p) { engine_->PenUp(p); }
void ScreenDriver::Tap(Point p) { engine_->Tap(p); }
void ScreenDriver::Drag(Point from, Point to, int steps) { engine_->Drag(from, to, steps); }
void ScreenDriver::TapAndHold(Point p) { engine_->TapAndHold(p); }
void ScreenDriver::Type(WStringView text) { engine_->Type(text); }
void ScreenDriver::Key(int key) { engine_->Key(key); }
void ScreenDriver::AdvanceTime(int ms) { engine_->Pause(ms); }

ui::Canvas ScreenDriver::Screenshot() {
  return Invoke([this] { return ui_->RenderScreen(); });
}

bool ScreenDriver::SaveScreen(const std::string& path) { return engine_->SaveScreen(path); }

WString ScreenDriver::TopCaption() { return engine_->TopCaption(); }

bool ScreenDriver::WaitForDialog(WStringView caption, std::chrono::milliseconds deadline) {
  WString wanted(caption);
  return WaitFor(
      [this, wanted] {
        ui::Window* active = ui_->ActiveWindow();
        return active != nullptr && active->IsDialog() && active->Text() == wanted;
      },
      deadline);
}

std::optional<MessageBoxInfo> ScreenDriver::ShownMessageBox() { return engine_->ShownMessageBox(); }

std::optional<MessageBoxInfo> ScreenDriver::WaitForMessageBox(std::chrono::milliseconds deadline) {
  if (!engine_->WaitMessage(u"", deadline)) return std::nullopt;
  return ShownMessageBox();
}

bool ScreenDriver::AnswerMessageBox(WStringView buttonCaption) {
  return static_cast<bool>(engine_->Answer(buttonCaption));
}

bool ScreenDriver::PickMenuItem(const std::vector<WString>& path) {
  return static_cast<bool>(engine_->PickMenu(path));
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
