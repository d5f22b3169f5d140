#pragma once
// The previous/next page buttons of the paging tool screens: seven colour
// styles, each a pair of pictures in the program's image folder, in a large
// and a small size by the screen's resolution class.
#include <array>
#include <optional>
#include <utility>

#include "app/IniFile.h"
#include "app/ScreenMetrics.h"
#include "launcher/controls/CImageButtonEx.h"

namespace tarvo {

struct PageButtonStyleInfo {
  const char16_t* name;  // shown in the style chooser
  const char16_t* stem;  // start of the picture file names
};

inline constexpr std::array<PageButtonStyleInfo, 7> kPageButtonStyles{{
    {u"蓝色经典", u"Blue"},
    {u"绿色心情", u"Green"},
    {u"可爱粉", u"Pink"},
    {u"高雅灰", u"Gray"},
    {u"酷彩橙", u"Orange"},
    {u"咖啡棕", u"Brown"},
    {u"玫瑰红", u"Red"},
}};

// Classes 3, 4 and 7 take the large pictures.
bool UsesLargePageButtons(int resolutionClass);

// The left and right picture paths of a style; nullopt outside 0 to 6.
std::optional<std::pair<WString, WString>> PageButtonPictures(int style, int resolutionClass,
                                                              WStringView programDir);
// The style chooser's row picture: the right-hand picture.
std::optional<WString> PageButtonStylePreview(int style, int resolutionClass, WStringView programDir);

// The style in force: read from the configuration the first time (-1).
int EnsurePageButtonStyle(ScreenMetrics& metrics, const IniFile& config, WStringView configPath);

// Gives both buttons the pictures of the style; a style outside 0 to 6, or
// a picture that does not decode, leaves the button without a picture.
void SetPageButtonImages(CImageButtonEx& left, CImageButtonEx& right, int style, int resolutionClass,
                         WStringView programDir, std::unique_ptr<ui::ImagingFactory>& factory,
                         FileAccess& files);

}  // namespace tarvo
