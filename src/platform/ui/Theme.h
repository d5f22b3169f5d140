#pragma once
// The system colours the controls draw with.
#include "platform/ui/Geometry.h"

namespace tarvo::ui::theme {

constexpr Color kWindow = Rgb(255, 255, 255);
constexpr Color kWindowText = Rgb(0, 0, 0);
constexpr Color kHighlight = Rgb(49, 106, 197);
constexpr Color kHighlightText = Rgb(255, 255, 255);
constexpr Color kButtonFace = Rgb(236, 236, 236);
constexpr Color kButtonPressed = Rgb(49, 106, 197);
constexpr Color kButtonText = Rgb(0, 0, 0);
constexpr Color kButtonBorder = Rgb(96, 96, 96);
constexpr Color kGrayText = Rgb(140, 140, 140);
constexpr Color kEditBorder = Rgb(96, 96, 96);
constexpr Color kTaskbar = Rgb(22, 46, 110);
constexpr Color kTaskbarText = Rgb(255, 255, 255);
constexpr Color kMenuBar = Rgb(40, 66, 134);
constexpr Color kMenuBarText = Rgb(255, 255, 255);
constexpr Color kMenuFace = Rgb(250, 250, 250);
constexpr Color kMenuBorder = Rgb(80, 80, 80);
constexpr Color kScrollTrack = Rgb(224, 224, 224);
constexpr Color kScrollThumb = Rgb(150, 150, 150);
constexpr Color kInputPanel = Rgb(200, 204, 212);
constexpr Color kDesktop = Rgb(90, 110, 150);
constexpr Color kHeader = Rgb(225, 228, 235);

}  // namespace tarvo::ui::theme
