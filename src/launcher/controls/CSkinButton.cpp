#include "launcher/controls/CSkinButton.h"

#include "platform/text/Format.h"
#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

constexpr char16_t kResourceFolder[] = u"TarvoImage\\res\\";

}  // namespace

WString ResourceBitmapPath(WStringView programDir, int resourceId) {
  return WString(programDir) + kResourceFolder + Format(u"%d.png", resourceId);
}

bool CSkinButton::Create(WStringView caption, const ui::Rect& rect, ui::Window* parent, int id) {
  return ui::Button::Create(parent, caption, rect, id, ui::ButtonStyle::OwnerDraw);
}

void CSkinButton::LoadBitmaps(ui::ImagingFactory& factory, WStringView programDir, int normalId, int pressedId) {
  SetBitmaps(factory.Load(ResourceBitmapPath(programDir, normalId)),
             factory.Load(ResourceBitmapPath(programDir, pressedId)));
}

void CSkinButton::SetBitmaps(std::optional<ui::Canvas> normal, std::optional<ui::Canvas> pressed) {
  normal_ = std::move(normal);
  pressed_ = std::move(pressed);
  Invalidate();
}

SkinButtons CreateSkinButtons(ui::Window* parent, const std::vector<WString>& captions, int firstId,
                              ui::ImagingFactory& factory, WStringView programDir, int normalId, int pressedId) {
  std::vector<int> ids;
  for (size_t i = 0; i < captions.size(); ++i) ids.push_back(firstId + static_cast<int>(i));
  return CreateSkinButtons(parent, captions, ids, factory, programDir, normalId, pressedId);
}

SkinButtons CreateSkinButtons(ui::Window* parent, const std::vector<WString>& captions, const std::vector<int>& ids,
                              ui::ImagingFactory& factory, WStringView programDir, int normalId, int pressedId) {
  SkinButtons buttons;
  for (size_t i = 0; i < captions.size() && i < ids.size(); ++i) {
    auto button = std::make_unique<CSkinButton>();
    button->Create(captions[i], ui::Rect{}, parent, ids[i]);
    button->LoadBitmaps(factory, programDir, normalId, pressedId);
    buttons.push_back(std::move(button));
  }
  return buttons;
}

bool CSkinButton::OnTapAndHold(ui::Point) {
  // The shell took the press as a gesture: no click follows.
  CancelPress();
  return true;
}

void CSkinButton::DrawFace(ui::Canvas& canvas, const ui::Rect& rect, const ui::ButtonState& state) {
  const std::optional<ui::Canvas>& bitmap = state.pressed ? pressed_ : normal_;
  canvas.FillRect(rect, background_);
  if (bitmap) {
    // The bitmap on a white background of its own size, then stretched.
    ui::Canvas face(bitmap->Width(), bitmap->Height(), ui::PixelFormat::Xrgb, 0xFF000000 | background_);
    face.Draw(*bitmap, ui::Rect{0, 0, bitmap->Width(), bitmap->Height()}, ui::Point{0, 0});
    canvas.Stretch(face, ui::Rect{0, 0, face.Width(), face.Height()}, rect);
  }
  canvas.DrawText(GetUi().NormalFont(), Text(), rect, textColor_, ui::kAlignCenter | ui::kAlignVCenter);
}

}  // namespace tarvo
