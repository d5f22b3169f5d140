#pragma once
// Small operations on the phone's shell and system that several screens share.
#include <optional>

#include "platform/device/Device.h"
#include "platform/device/FileAccess.h"
#include "platform/text/WString.h"
#include "tools/WorkerThread.h"

namespace tarvo {

bool StartProcess(Device& device, WStringView program, WStringView commandLine, bool wait);
bool ShellOpen(Device& device, WStringView document, WStringView parameters);

// 0° <-> 90°, 180° <-> 270°; true when the display accepted the change.
bool SwitchOrientation(DisplaySettings& display);

// Depth-first in enumeration order: a subfolder is searched before its own
// name is compared. Gives folder + "\" + name of the first match.
std::optional<WString> FindFileInTree(FileAccess& files, WStringView folder,
                                      WStringView fileName);

// Deletes every file of the folder; an empty subfolder is removed, a
// non-empty one is emptied recursively and left in place; the folder itself
// is removed when removeFolder is set; a folder that cannot be enumerated is
// removed. False only when no folder was given.
bool DeleteTree(FileAccess& files, WStringView folder, bool removeFolder);

bool IsThreadRunning(const WorkerThread& worker);
bool FolderExists(FileAccess& files, WStringView path);
bool TaskManagerPresent(FileAccess& files);

struct DeviceVersion {
  WString text;
  bool isV9 = false;
};
// Reads HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\VERSION" "VERSION" (at most
// 63 characters, as a 128-byte buffer holds). Only when the key is missing it
// is created with an empty value.
DeviceVersion ReadDeviceVersion(Registry& registry);

}  // namespace tarvo
