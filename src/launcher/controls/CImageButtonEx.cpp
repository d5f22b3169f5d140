#include "launcher/controls/CImageButtonEx.h"

#include "platform/device/DebugOutput.h"

namespace tarvo {

bool CImageButtonEx::Create(ui::Window* parent, const ui::Rect& rect, int id) {
  return ui::Button::Create(parent, u"", rect, id, ui::ButtonStyle::OwnerDraw);
}

bool CImageButtonEx::SetImage(std::unique_ptr<ui::ImagingFactory>& factory, FileAccess& files,
                              WStringView normalPath, WStringView pressedPath) {
  if (normalPath.empty()) {
    DebugTrace(kNoNormalImageTrace);
    return false;
  }
  if (factory == nullptr) factory = std::make_unique<ui::ImagingFactory>(files);
  normal_ = factory->Load(normalPath);
  pressed_.reset();
  bool ok = normal_.has_value();
  if (!pressedPath.empty()) {
    pressed_ = factory->Load(pressedPath);
    ok = ok && pressed_.has_value();
  }
  Invalidate();
  return ok;
}

void CImageButtonEx::DrawFace(ui::Canvas& canvas, const ui::Rect& rect, const ui::ButtonState& state) {
  canvas.FillRect(rect, background_);
  const std::optional<ui::Canvas>& picture = state.pressed && pressed_ ? pressed_ : normal_;
  if (picture) canvas.Stretch(*picture, ui::Rect{0, 0, picture->Width(), picture->Height()}, rect);
}

}  // namespace tarvo
