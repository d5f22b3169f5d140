#pragma once
// The network logic's questions and messages as message boxes over a window.
#include "net/UserPrompts.h"
#include "platform/ui/Window.h"

namespace tarvo {

class DialogPrompts : public UserPrompts {
 public:
  explicit DialogPrompts(ui::Window* owner) : owner_(owner) {}
  bool AskYesNo(WStringView caption, WStringView text) override;
  void Tell(WStringView caption, WStringView text) override;

 private:
  ui::Window* owner_;
};

}  // namespace tarvo
