#pragma once
// A full-screen dialog over the launcher's background picture with a centred
// column of caption buttons (bitmaps 140 and 141): the settings hub and the
// template chooser.
#include <memory>
#include <vector>

#include "app/shell/TarvoApp.h"
#include "launcher/controls/CSkinButton.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Ui.h"

namespace tarvo {

class SkinColumnDialog : public ui::Dialog {
 public:
  static constexpr int kFirstButtonId = 1000;
  static constexpr int kNormalBitmap = 140;
  static constexpr int kPressedBitmap = 141;

  SkinColumnDialog(CTarvoApp& app, WStringView caption, std::vector<WString> captions);
  ~SkinColumnDialog() override;

  // The button of a caption, for tests and screenshots.
  const CSkinButton* ButtonAt(size_t index) const;

  bool OnInitDialog() override;
  void OnPaint(ui::Canvas& canvas) override;
  bool OnCommand(int id, int code) override;
  void OnActivate(bool active) override;
  void OnSettingChange(ui::SettingChange change) override;

 protected:
  virtual void OnButton(size_t index) = 0;
  // Leaves full screen and shows the wait cursor while a child screen is
  // built (until its loop runs), then comes back to full screen.
  template <class F>
  void RunChild(F run) {
    ui::EnterFullScreen(*this, false);
    auto hold = std::make_shared<ui::WaitCursorHold>(GetUi());
    GetUi().PostTask([hold] { hold->Release(); });
    run();
    if (IsCreated()) ui::EnterFullScreen(*this, true);
  }
  CTarvoApp& app_;

 private:
  void PlaceButtons();

  std::vector<WString> captions_;
  SkinButtons buttons_;
};

}  // namespace tarvo
