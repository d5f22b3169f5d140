#pragma once
// The network logic's questions and messages as top-most message boxes with
// no owner (the screens that ask may be gone when a worker's question comes).
#include "net/UserPrompts.h"
#include "platform/ui/MessageBox.h"

namespace tarvo {

class BoxPrompts : public UserPrompts {
 public:
  explicit BoxPrompts(ui::Ui& ui) : ui_(ui) {}
  bool AskYesNo(WStringView caption, WStringView text) override {
    return ui::MessageBox(ui_, text, caption, ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbTopmost) == ui::kIdYes;
  }
  void Tell(WStringView caption, WStringView text) override {
    ui::MessageBox(ui_, text, caption, ui::kMbOk | ui::kMbTopmost);
  }

 private:
  ui::Ui& ui_;
};

}  // namespace tarvo
