#pragma once
// The program's shortcut in the Start menu's Programs folder, with its icon
// registered for the Start menu.
#include "app/shell/TarvoApp.h"
#include "platform/device/StartMenuFolder.h"

namespace tarvo {

inline constexpr char16_t kShortcutIconKey[] = u"\\Security\\Shell\\StartInfo\\Start\\Tarvo.lnk";

// Says "已经有快捷方式了。" when it exists, else creates it and says
// "成功生成快捷方式！"; the icon value is written in both cases.
void CreateStartShortcut(CTarvoApp& app);
// Deletes it ("删除成功！") or says "无效操作，未找到快捷方式！".
void DeleteStartShortcut(CTarvoApp& app);

}  // namespace tarvo
