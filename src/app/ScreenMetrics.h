#pragma once
// The screen's measures that every screen sizes its controls from. One
// record, owned by the application object; fonts live with the toolkit.
#include <optional>

namespace tarvo {

struct ScreenMetrics {
  int ScreenWidth = 240;
  int ScreenHeight = 320;
  int TopBarHeight = 23;
  int BottomBarHeight = 23;
  int TextHeight = 18;
  int CharWidth = 18;
  int SixCharWidth = 108;
  // The narrowest grid cell of the site directory: 5 x CharWidth.
  int MinCellWidth = 90;
  // The first column of two-column lists: SixCharWidth.
  int FirstColumnWidth = 108;
  int ButtonWidth = 45;
  int ButtonHeight = 24;
  int ScrollBarWidth = 13;
  int InputPanelHeight = 80;
  // Height of the desktop left visible above the soft keyboard while it is
  // shown; 0 until a screen has seen the keyboard change.
  int VisibleDesktopHeight = 0;
  int ResolutionClass = 1;
  int IconSize = 45;
  // The page buttons' colour style; -1 until a tool screen reads it.
  int PageButtonStyle = -1;
};

// The resolution class (1 to 7) of a screen, by the product of its sides, so
// that both orientations give the same class; nullopt for an unknown size.
std::optional<int> ResolutionClassFor(int width, int height);

// Text height and button size from the shorter side: up to 240 keeps 18 and
// 45 x 24; up to 479 gives 24 and 60 x 32; more gives 36 and 80 x 48.
void ChooseTextMetrics(ScreenMetrics& metrics);

// Fills the screen size, class, icon size and text metrics; false for a
// screen size the launcher has no layout for.
bool MeasureScreen(ScreenMetrics& metrics, int width, int height);

}  // namespace tarvo
