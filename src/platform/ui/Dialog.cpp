#include "platform/ui/Dialog.h"

#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {

Dialog::Dialog(Ui& ui, WStringView caption) : owner_(&ui), caption_(caption) {}

Dialog::~Dialog() = default;

Rect Dialog::DefaultRect() const {
  const PhoneFrame& frame = owner_->Frame();
  Rect work = frame.WorkArea();
  return Rect{work.left, work.top, work.right, work.top + (work.bottom - frame.TopBarHeight())};
}

bool Dialog::CreateWindowIfNeeded() {
  if (IsCreated()) return true;
  CreateTopLevel(*owner_, DefaultRect());
  SetText(caption_);
  ended_ = false;
  if (!OnInitDialog()) {
    Destroy();
    return false;
  }
  return true;
}

bool Dialog::CreateModeless() {
  if (!CreateWindowIfNeeded()) return false;
  Show(true);
  owner_->BringToTop(this);
  return true;
}

int Dialog::DoModal() {
  if (running_) return kIdAbort;
  ended_ = false;
  code_ = kIdAbort;
  if (!CreateWindowIfNeeded()) return kIdAbort;
  if (ended_) {  // OnInitDialog already ended it
    Destroy();
    return code_;
  }
  Show(true);
  owner_->BringToTop(this);
  running_ = true;
  owner_->RunUntil([this] { return ended_; });
  running_ = false;
  int code = ended_ ? code_ : kIdAbort;
  Destroy();
  return code;
}

void Dialog::EndDialog(int code) {
  code_ = code;
  ended_ = true;
  if (IsCreated()) Show(false);
  owner_->Wake();
}

void Dialog::SetMenuBar(const MenuBar& menu) {
  menuBar_ = menu;
  hasMenuBar_ = true;
  if (IsCreated()) Invalidate();
}

void Dialog::ShowMenuBar(bool shown) {
  if (menuBarShown_ == shown) return;
  menuBarShown_ = shown;
  owner_->InvalidateScreen();
}

void Dialog::SetOkButton(bool shown) {
  if (okButton_ == shown) return;
  okButton_ = shown;
  owner_->InvalidateScreen();
}

bool Dialog::OnKeyDown(int key) {
  if (key == keys::kReturn) {
    if (defaultButton_ == 0) return false;
    OnCommand(defaultButton_, kClicked);
    return true;
  }
  if (key == keys::kEscape) {
    OnCancel();
    return true;
  }
  return false;
}

bool Dialog::OnCommand(int id, int code) {
  if (code == kClicked || code == kMenuCommand) {
    if (id == kIdOk) {
      OnOK();
      return true;
    }
    if (id == kIdCancel) {
      OnCancel();
      return true;
    }
  }
  return false;
}

void Dialog::OnSettingChange(SettingChange change) {
  if (change != SettingChange::Rotation || !IsCreated() || UsesOwnerFrame()) return;
  bool fullScreen = !menuBarShown_ && !owner_->Frame().TaskbarShown();
  MoveWindow(fullScreen ? Rect{0, 0, owner_->ScreenWidth(), owner_->ScreenHeight()} : DefaultRect());
}

void Dialog::OnPaint(Canvas& canvas) { canvas.FillRect(ClientRect(), theme::kWindow); }

void EnterFullScreen(Window& window, bool on) {
  if (!window.IsCreated()) return;
  Ui& ui = window.GetUi();
  PhoneFrame& frame = ui.Frame();
  frame.SetTaskbarShown(!on);
  frame.SetSipButtonShown(!on);
  frame.SetStartIconShown(!on);
  if (auto* dialog = dynamic_cast<Dialog*>(&window)) dialog->ShowMenuBar(!on);
  if (on) {
    window.MoveWindow(Rect{0, 0, ui.ScreenWidth(), ui.ScreenHeight()});
  } else {
    Rect work = frame.WorkArea();
    window.MoveWindow(Rect{work.left, work.top, work.right, work.top + (work.bottom - frame.TopBarHeight())});
  }
  ui.InvalidateScreen();
}

}  // namespace tarvo::ui
