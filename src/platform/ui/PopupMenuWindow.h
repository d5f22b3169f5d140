#pragma once
// The window of an open popup menu; a sub-menu opens as another one beside
// it. Choosing an item or tapping outside finishes the whole chain.
#include <memory>
#include <vector>

#include "platform/ui/Menu.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {

class PopupMenuWindow : public Window {
 public:
  PopupMenuWindow(Ui& ui, const std::vector<MenuItem>& items, PopupMenuWindow* parentMenu);
  ~PopupMenuWindow() override;

  void Place(Point at, unsigned align);
  bool IsPopup() const override { return true; }
  const char* ControlKind() const override { return "popup menu"; }
  bool IsFinished() const { return finished_; }
  int ChosenCommand() const { return command_; }
  const std::vector<MenuItem>& Items() const { return items_; }
  Rect ItemRect(size_t index) const;
  PopupMenuWindow* OpenSubMenu() const { return sub_.get(); }

  void OnPaint(Canvas& canvas) override;
  void OnPenDown(Point point) override;
  void OnPenMove(Point point) override;
  void OnPenUp(Point point) override;
  void OnPenDownOutside(Point point) override;
  bool OnKeyDown(int key) override;

 private:
  int RowHeight() const;
  int ItemAt(Point point) const;
  void OpenSub(size_t index);
  void CloseSub();
  void Finish(int command);

  std::vector<MenuItem> items_;
  PopupMenuWindow* parentMenu_;
  std::unique_ptr<PopupMenuWindow> sub_;
  int hot_ = -1;
  bool finished_ = false;
  int command_ = 0;
};

}  // namespace tarvo::ui
