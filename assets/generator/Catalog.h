#pragma once
// Every picture the generator writes, with the phone folder it belongs in.
#include <span>

#include "IconFrame.h"
#include "Symbols.h"

namespace tarvo::pictures {

// Phone folders below the device's file-system root.
inline constexpr const char* kTarvoImageFolder = "Program Files/Tarvo/TarvoImage";
inline constexpr const char* kWindowsFolder = "Windows";
// Button-face bitmaps, named by resource id ("140.png").
inline constexpr const char* kResourceFolder = "Program Files/Tarvo/TarvoImage/res";

// Launcher icons are square, with alpha.
inline constexpr int kIconSize = 90;

struct IconEntry {
  const char* folder;
  const char* file;
  PlateColor color;
  SymbolFunction symbol;
};

std::span<const IconEntry> LauncherIcons();

// The program's logo (same frame as the icons).
inline constexpr IconEntry kLogo{kTarvoImageFolder, "Tarvo.png", {205, 0.72, 0.46}, &LogoSymbol};

// What an item without an icon file shows when its program file exists, in
// place of the phone shell's icon of that file (resource 190).
inline constexpr int kGenericProgramIconId = 190;
inline constexpr IconEntry kGenericProgramIcon{kResourceFolder, "190.png", {212, 0.22, 0.50}, &ProgramSymbol};

struct PageButtonStyle {
  const char* stem;
  PlateColor color;
};

// In the order of the style values 0..6.
std::span<const PageButtonStyle> PageButtonStyles();

// Page-button sizes: "_Left.png"/"_Right.png" for 480-pixel-wide classes,
// "_Small" for the others (the standard button sizes of those screens).
inline constexpr int kPageButtonWidth = 80, kPageButtonHeight = 48;
inline constexpr int kSmallPageButtonWidth = 45, kSmallPageButtonHeight = 24;

struct ButtonFace {
  int resourceId;
  int width;
  int height;
  bool pressed;
};

std::span<const ButtonFace> ButtonFaces();

inline constexpr const char* kBackgroundFile = "MainMenuBackImage.jpg";
inline constexpr int kBackgroundWidth = 480, kBackgroundHeight = 800;

}  // namespace tarvo::pictures
