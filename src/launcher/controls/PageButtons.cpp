#include "launcher/controls/PageButtons.h"

namespace tarvo {

bool UsesLargePageButtons(int resolutionClass) {
  return resolutionClass == 3 || resolutionClass == 4 || resolutionClass == 7;
}

std::optional<std::pair<WString, WString>> PageButtonPictures(int style, int resolutionClass,
                                                              WStringView programDir) {
  if (style < 0 || style >= static_cast<int>(kPageButtonStyles.size())) return std::nullopt;
  const WString base = WString(programDir) + u"TarvoImage\\" + kPageButtonStyles[static_cast<size_t>(style)].stem;
  const WString size = UsesLargePageButtons(resolutionClass) ? u".png" : u"_Small.png";
  return std::make_pair(base + u"_Left" + size, base + u"_Right" + size);
}

std::optional<WString> PageButtonStylePreview(int style, int resolutionClass, WStringView programDir) {
  auto pictures = PageButtonPictures(style, resolutionClass, programDir);
  if (!pictures) return std::nullopt;
  return pictures->second;
}

int EnsurePageButtonStyle(ScreenMetrics& metrics, const IniFile& config, WStringView configPath) {
  if (metrics.PageButtonStyle == -1)
    metrics.PageButtonStyle = config.ReadInt(u"PageButtonStyle", u"style", 0, configPath);
  return metrics.PageButtonStyle;
}

void SetPageButtonImages(CImageButtonEx& left, CImageButtonEx& right, int style, int resolutionClass,
                         WStringView programDir, std::unique_ptr<ui::ImagingFactory>& factory,
                         FileAccess& files) {
  auto pictures = PageButtonPictures(style, resolutionClass, programDir);
  if (!pictures) {
    left.ClearImages();
    right.ClearImages();
    return;
  }
  left.SetImage(factory, files, pictures->first);
  right.SetImage(factory, files, pictures->second);
}

}  // namespace tarvo
