#pragma once
// The caption button with a bitmap face: the normal or pressed bitmap on
// white, stretched over the button, with the caption centred on it in black.
// Pressed while the pen is down inside it; a tap-and-hold gives no click.
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/ImageCodec.h"

namespace tarvo {

// Where the bitmap of a resource id lives: ProgramDir + "TarvoImage\res\<id>.png".
WString ResourceBitmapPath(WStringView programDir, int resourceId);

class CSkinButton : public ui::Button {
 public:
  bool Create(WStringView caption, const ui::Rect& rect, ui::Window* parent, int id);
  // Loads the faces of two bitmap resources; a face that does not load is
  // drawn as plain white.
  void LoadBitmaps(ui::ImagingFactory& factory, WStringView programDir, int normalId, int pressedId);
  void SetBitmaps(std::optional<ui::Canvas> normal, std::optional<ui::Canvas> pressed);
  void SetTextColor(ui::Color color) { textColor_ = color; Invalidate(); }

  bool OnTapAndHold(ui::Point point) override;

 protected:
  void DrawFace(ui::Canvas& canvas, const ui::Rect& rect, const ui::ButtonState& state) override;

 private:
  std::optional<ui::Canvas> normal_;
  std::optional<ui::Canvas> pressed_;
  ui::Color textColor_ = ui::Rgb(0, 0, 0);
  ui::Color background_ = ui::Rgb(255, 255, 255);
};

using SkinButtons = std::vector<std::unique_ptr<CSkinButton>>;

// One button per caption, ids from firstId on, all with the faces of the two
// bitmap resources; the caller places them.
SkinButtons CreateSkinButtons(ui::Window* parent, const std::vector<WString>& captions, int firstId,
                              ui::ImagingFactory& factory, WStringView programDir, int normalId, int pressedId);
// The same with each button's own id (ids[i] for captions[i]).
SkinButtons CreateSkinButtons(ui::Window* parent, const std::vector<WString>& captions, const std::vector<int>& ids,
                              ui::ImagingFactory& factory, WStringView programDir, int normalId, int pressedId);

}  // namespace tarvo
