#pragma once
// The picture button: an owner-drawn button showing a normal picture, and a
// pressed picture while pressed when it has one, on a white background.
#include <memory>
#include <optional>

#include "platform/ui/Button.h"
#include "platform/ui/ImageCodec.h"

namespace tarvo {

class CImageButtonEx : public ui::Button {
 public:
  static constexpr char kNoNormalImageTrace[] = "CImageButtonEx::SetImage：Normal Image cannot be null.\n";

  bool Create(ui::Window* parent, const ui::Rect& rect, int id);
  // Decodes the pictures with the imaging factory, made first when there is
  // none yet. True when the normal picture (and the pressed one, when a path
  // is given) decoded; a picture that does not decode is left out.
  bool SetImage(std::unique_ptr<ui::ImagingFactory>& factory, FileAccess& files, WStringView normalPath,
                WStringView pressedPath = {});
  void ClearImages() {
    normal_.reset();
    pressed_.reset();
    Invalidate();
  }
  bool HasNormalImage() const { return normal_.has_value(); }
  bool HasPressedImage() const { return pressed_.has_value(); }
  void SetBackground(ui::Color color) { background_ = color; Invalidate(); }

 protected:
  void DrawFace(ui::Canvas& canvas, const ui::Rect& rect, const ui::ButtonState& state) override;

 private:
  std::optional<ui::Canvas> normal_;
  std::optional<ui::Canvas> pressed_;
  ui::Color background_ = ui::Rgb(255, 255, 255);
};

}  // namespace tarvo
