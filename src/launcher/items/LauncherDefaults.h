#pragma once
// The two fixed item sets the launcher starts from: the normal template
// (style 0) and the office template (style 1).
#include <vector>

#include "launcher/items/LauncherItem.h"
#include "platform/device/FileAccess.h"

namespace tarvo {

struct DeviceFacts {
  WString programDir;  // with its trailing backslash
  bool isV9 = false;
};

// Any other style gives an empty list. Which optional items appear depends
// on the device edition and on which phone programs exist.
std::vector<LauncherItem> DefaultItems(int templateStyle, const DeviceFacts& device,
                                       FileAccess& phoneFiles);

}  // namespace tarvo
