#pragma once
// A window of the toolkit: a rectangle in its parent's client coordinates
// (top-level windows in screen coordinates), text, visibility, enablement,
// children, and virtual handlers for paint, pen, keys, timers and messages.
// Windows belong to the UI thread; other threads only PostMessage.
#include <cstdint>
#include <vector>

#include "platform/text/WString.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Description.h"
#include "platform/ui/Messages.h"

namespace tarvo::ui {

class Ui;
class MenuBar;

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // A top-level window of ui (rect in screen coordinates), created hidden.
  bool CreateTopLevel(Ui& ui, const Rect& rect);
  // A child of parent, created visible.
  bool CreateChild(Window* parent, const Rect& rect, int id = 0);
  // Detaches from the tree and from the Ui; children are destroyed too.
  void Destroy();
  bool IsCreated() const { return ui_ != nullptr; }

  Ui& GetUi() const { return *ui_; }
  Ui* UiOrNull() const { return ui_; }
  WindowHandle Handle() const { return handle_; }
  int Id() const { return id_; }
  Window* Parent() const { return parent_; }
  Window* TopLevel();
  const std::vector<Window*>& Children() const { return children_; }
  Window* FindChild(int id) const;
  // The deepest visible child under a client point; this window when none.
  Window* ChildAt(Point clientPoint);

  Rect WindowRect() const { return rect_; }
  Rect ClientRect() const { return Rect{0, 0, rect_.Width(), rect_.Height()}; }
  Rect ScreenRect() const;
  Point ToScreen(Point client) const;
  Point FromScreen(Point screen) const;
  void MoveWindow(const Rect& rect);

  void Show(bool show);
  bool IsVisible() const { return visible_; }
  // Visible itself and every ancestor.
  bool IsShown() const;
  void Enable(bool enable);
  bool IsEnabled() const { return enabled_; }
  // Enabled itself and every ancestor.
  bool IsEffectivelyEnabled() const;

  void SetText(WStringView text);
  const WString& Text() const { return text_; }
  void SetFont(const Font& font);
  // The window's own font, else the Ui's normal font.
  const Font& GetFont() const;

  void Invalidate();
  void UpdateWindow();
  void SetFocus();
  bool HasFocus() const;
  void SetCapture();
  void ReleaseCapture();
  void SetTimer(int id, int intervalMs);
  void KillTimer(int id);
  // Queues the message for OnMessage on the UI thread. Workers keep Handle()
  // and call Ui::PostMessage instead: a handle of a window that is gone is
  // simply dropped, while this object may already be destroyed.
  void PostMessage(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) const;
  intptr_t SendMessage(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
    return OnMessage(message, wParam, lParam);
  }
  // Tells the parent about this control (OnCommand(Id(), code)).
  void NotifyParent(int code);

  virtual bool IsDialog() const { return false; }
  // Popups (menus, drop-down lists) sit above the phone frame and close when
  // a tap lands outside them.
  virtual bool IsPopup() const { return false; }
  virtual bool AcceptsFocus() const { return false; }
  // Top-level windows that keep the phone's bottom (menu) bar under them.
  virtual bool ShowsMenuBar() const { return false; }
  virtual MenuBar* GetMenuBar() { return nullptr; }
  // Boxes shown over a window (message boxes) leave the frame to the window below.
  virtual bool UsesOwnerFrame() const { return false; }
  // The phone's top-bar "ok" button shows while this window owns the frame;
  // a tap on it calls OnOkButton.
  virtual bool ShowsOkButton() const { return false; }
  virtual void OnOkButton() {}

  // --- what scripts and tests read (UI thread) -----------------------------
  // The kind of control as the UI dump names it ("button", "edit", "list"...).
  virtual const char* ControlKind() const { return "window"; }
  // The text a person sees: a password as one '*' a character, a combo's
  // shown item, a picker's date.
  virtual WString ShownText() const { return Text(); }
  // Texts this window paints itself, so that they can be found and tapped.
  virtual void DescribePainted(std::vector<PaintedText>&) const {}
  // A scrolling grid of captioned cells; false when the window has none.
  virtual bool DescribeCellGrid(CellGrid&) const { return false; }
  // Further named values the window shows.
  virtual void DescribeValues(DescribedValues&) const {}

  // Handlers, called on the UI thread. Points are client coordinates.
  virtual void OnPaint(Canvas& canvas);
  virtual void OnPenDown(Point) {}
  virtual void OnPenMove(Point) {}
  virtual void OnPenUp(Point) {}
  // A press held still; true when handled (the rest of the press is swallowed).
  virtual bool OnTapAndHold(Point) { return false; }
  // A tap outside a popup.
  virtual void OnPenDownOutside(Point) {}
  // False passes the key on to the parent.
  virtual bool OnKeyDown(int) { return false; }
  virtual bool OnChar(WStringView) { return false; }
  virtual void OnTimer(int) {}
  virtual intptr_t OnMessage(uint32_t, uintptr_t, intptr_t) { return 0; }
  // A child's notification or a menu command; the default passes it upwards.
  virtual bool OnCommand(int id, int code);
  virtual void OnSettingChange(SettingChange) {}
  virtual void OnActivate(bool) {}
  virtual void OnSize() {}
  virtual void OnSetFocus() {}
  virtual void OnKillFocus() {}
  virtual void OnCaptureLost() {}
  virtual void OnShow(bool) {}
  // The text was replaced through SetText.
  virtual void OnTextSet() {}

 private:
  void Attach(Ui& ui, Window* parent, const Rect& rect, int id);

  Ui* ui_ = nullptr;
  Window* parent_ = nullptr;
  std::vector<Window*> children_;
  WindowHandle handle_ = 0;
  int id_ = 0;
  Rect rect_;
  bool visible_ = false;
  bool enabled_ = true;
  WString text_;
  Font font_;
};

}  // namespace tarvo::ui
