#include "tools/SystemHelpers.h"

#include "platform/device/DebugOutput.h"

namespace tarvo {
namespace {

constexpr char16_t kVersionKey[] = u"SOFTWARE\\Microsoft\\VERSION";
constexpr char16_t kVersionValue[] = u"VERSION";
constexpr size_t kVersionCapacity = 128 / sizeof(char16_t);

WString Child(WStringView folder, WStringView name, char16_t separator) {
  WString path(folder);
  if (path.empty() || path.back() != separator) path += separator;
  return path + WString(name);
}

}  // namespace

bool StartProcess(Device& device, WStringView program, WStringView commandLine, bool wait) {
  return device.GetShell().StartProcess(program, commandLine, wait);
}

bool ShellOpen(Device& device, WStringView document, WStringView parameters) {
  return device.GetShell().ShellOpen(document, parameters);
}

bool SwitchOrientation(DisplaySettings& display) {
  switch (display.Orientation()) {
    case 0:
      return display.SetOrientation(90);
    case 90:
      return display.SetOrientation(0);
    case 180:
      return display.SetOrientation(270);
    case 270:
      return display.SetOrientation(180);
  }
  return false;
}

std::optional<WString> FindFileInTree(FileAccess& files, WStringView folder,
                                      WStringView fileName) {
  auto entries = files.ListFolder(folder);
  if (!entries) return std::nullopt;
  for (const FolderEntry& entry : *entries) {
    const WString path = Child(folder, entry.name, files.Separator());
    if (entry.isFolder) {
      if (auto found = FindFileInTree(files, path, fileName)) return found;
    }
    if (entry.name == fileName) return path;
  }
  return std::nullopt;
}

bool DeleteTree(FileAccess& files, WStringView folder, bool removeFolder) {
  if (folder.empty()) return false;
  auto entries = files.ListFolder(folder);
  if (!entries) {
    files.RemoveFolder(folder);
    return true;
  }
  for (const FolderEntry& entry : *entries) {
    const WString path = Child(folder, entry.name, files.Separator());
    if (!entry.isFolder) {
      files.DeleteFile(path);
    } else if (!files.RemoveFolder(path)) {
      DeleteTree(files, path, false);
    }
  }
  if (removeFolder) files.RemoveFolder(folder);
  return true;
}

bool IsThreadRunning(const WorkerThread& worker) { return worker.IsRunning(); }

bool FolderExists(FileAccess& files, WStringView path) { return files.FolderExists(path); }

bool TaskManagerPresent(FileAccess& files) { return files.FileExists(u"\\Windows\\TaskMgr.exe"); }

DeviceVersion ReadDeviceVersion(Registry& registry) {
  DeviceVersion version;
  if (!registry.KeyExists(RegistryRoot::LocalMachine, kVersionKey)) {
    bool created = registry.SetString(RegistryRoot::LocalMachine, kVersionKey, kVersionValue, u"");
    DebugTrace(created ? "RegCreateKeyExW succeeded\n" : "RegCreateKeyExW failed with 1\n");
    return version;
  }
  version.text = registry.GetString(RegistryRoot::LocalMachine, kVersionKey, kVersionValue)
                     .value_or(WString())
                     .substr(0, kVersionCapacity - 1);
  version.isV9 = version.text.find(u"V9") != WString::npos;
  return version;
}

}  // namespace tarvo
