#pragma once
// The launcher's grid as one picture (its FrameCache): the version bands
// above and below, the background stretched between them, every icon and its
// caption. Rendered once; dragging only copies it.
#include <functional>
#include <optional>
#include <vector>

#include "launcher/items/GridLayout.h"
#include "launcher/items/LauncherItem.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

namespace tarvo {

inline constexpr ui::Color kBandColor = ui::Rgb(192, 192, 192);
inline constexpr ui::Color kThumbColor = ui::Rgb(112, 142, 232);
inline constexpr ui::Color kTickerColor = ui::Rgb(144, 238, 144);
inline constexpr ui::Color kVersionColor = ui::Rgb(138, 43, 226);
inline constexpr ui::Color kCaptionColor = ui::Rgb(0, 0, 0);

struct FrameInputs {
  const GridLayout* layout = nullptr;
  const std::vector<LauncherItem>* items = nullptr;
  const ui::Canvas* background = nullptr;  // may be empty
  const ui::Font* font = nullptr;
  WString versionText;
  int width = 0;
  // Decodes an item's icon; nullopt leaves its cell empty.
  std::function<std::optional<ui::Canvas>(const LauncherItem&)> loadIcon;
};

// A picture width x (ContentHeight + 2 x BandHeight).
ui::Canvas RenderFrameCache(const FrameInputs& inputs);

// A program item's caption cut to the characters whose summed widths stay
// below the column pitch; tool captions are never cut.
WString FittedCaption(const LauncherItem& item, const ui::Font& font, int columnPitch);

}  // namespace tarvo
