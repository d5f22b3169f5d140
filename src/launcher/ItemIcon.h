#pragma once
// Which picture a launcher item's cell shows.
#include <optional>

#include "launcher/items/LauncherItem.h"
#include "platform/device/FileAccess.h"

namespace tarvo {

// Resource id of the generic program icon: what an item without an icon file
// shows when its program file exists, in place of the phone shell's own icon
// of that file, which the host has none of.
inline constexpr int kGenericProgramIconId = 190;

// The item's icon file; for an item without one, the generic program icon
// when the item's command file exists; nullopt otherwise (the cell stays
// empty, as it does for an icon file that is missing or does not decode).
std::optional<WString> ItemIconPath(const LauncherItem& item, FileAccess& files, WStringView programDir);

}  // namespace tarvo
