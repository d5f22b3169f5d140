#pragma once
// The untitled window the self-update download shows its progress in. It
// has no controls of its own: the download builds them in the start hook.
#include <functional>

#include "platform/ui/Dialog.h"

namespace tarvo {

class CTarvoProgress : public ui::Dialog {
 public:
  using StartHook = std::function<void(CTarvoProgress& window)>;

  explicit CTarvoProgress(ui::Ui& ui, StartHook onStart = {});

  bool OnInitDialog() override;

 private:
  StartHook onStart_;
};

}  // namespace tarvo
