#pragma once
// Switching the launcher between the normal (0) and the office (1) set of
// items, with the user's confirmation.
#include "app/shell/TarvoApp.h"

namespace tarvo {

inline constexpr int kNormalTemplate = 0;
inline constexpr int kOfficeTemplate = 1;

// Says so when the template is already in force; otherwise asks, writes the
// choice, replaces the items with the template's defaults and raises
// LauncherChanged. True when the items were replaced.
bool SwitchTemplate(CTarvoApp& app, ui::Window* owner, int target);

}  // namespace tarvo
