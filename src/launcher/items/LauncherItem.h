#pragma once
// One entry of the launcher: a built-in tool (kind 0, known by its title) or
// a program of the phone (kind 1, started by its command).
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr int kToolItem = 0;
inline constexpr int kProgramItem = 1;

struct LauncherItem {
  int Kind = kToolItem;
  WString Title;
  WString IconPath;  // empty: the icon comes from the program file
  WString ExePath;   // the command; empty for tools
  friend bool operator==(const LauncherItem&, const LauncherItem&) = default;
};

}  // namespace tarvo
