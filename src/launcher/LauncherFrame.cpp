#include "launcher/LauncherFrame.h"

#include "platform/ui/ImageScale.h"

namespace tarvo {

WString FittedCaption(const LauncherItem& item, const ui::Font& font, int columnPitch) {
  if (item.Kind != kProgramItem) return item.Title;
  int sum = 0;
  size_t kept = 0;
  for (; kept < item.Title.size(); ++kept) {
    sum += font.CharWidth(item.Title[kept]);
    if (sum >= columnPitch) break;
  }
  return item.Title.substr(0, kept);
}

ui::Canvas RenderFrameCache(const FrameInputs& in) {
  const GridLayout& layout = *in.layout;
  const int band = layout.BandHeight();
  const int content = layout.ContentHeight();
  ui::Canvas frame(in.width, content + 2 * band);
  const ui::Rect topBand{0, 0, in.width, band};
  const ui::Rect bottomBand{0, band + content, in.width, content + 2 * band};
  for (const ui::Rect& rect : {topBand, bottomBand}) {
    frame.FillRect(rect, kBandColor);
    frame.DrawText(*in.font, in.versionText, rect, kVersionColor, ui::kAlignCenter | ui::kAlignVCenter);
  }
  const ui::Rect grid{0, band, in.width, band + content};
  if (in.background != nullptr && !in.background->IsEmpty()) {
    frame.Stretch(*in.background, ui::Rect{0, 0, in.background->Width(), in.background->Height()},
                  grid);
  } else {
    frame.FillRect(grid, ui::Rgb(255, 255, 255));
  }
  // The layout's rectangles already sit below the top band; Top holds the
  // margin only, since the cache is rendered at scroll offset 0.
  const auto& icons = layout.IconRects();
  const auto& captions = layout.CaptionRects();
  for (size_t i = 0; i < in.items->size() && i < icons.size(); ++i) {
    const LauncherItem& item = (*in.items)[i];
    if (in.loadIcon) {
      if (auto icon = in.loadIcon(item)) {
        const ui::Rect& target = icons[i];
        ui::Canvas scaled = ScaleSmooth(*icon, target.Width(), target.Height());
        frame.Draw(scaled, ui::Rect{0, 0, scaled.Width(), scaled.Height()},
                   ui::Point{target.left, target.top});
      }
    }
    frame.DrawText(*in.font, FittedCaption(item, *in.font, layout.ColumnPitch()), captions[i],
                   kCaptionColor, ui::kAlignCenter | ui::kAlignVCenter);
  }
  return frame;
}

}  // namespace tarvo
