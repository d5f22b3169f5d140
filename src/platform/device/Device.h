#pragma once
// One simulated phone: a device directory holding the profile (device.ini),
// the phone's file system (fs/), the registry (registry.ini), the clock
// offset and the launch log. A missing directory is made from the template.
#include <memory>
#include <string>

#include "platform/device/Connectivity.h"
#include "platform/device/DeviceClock.h"
#include "platform/device/DeviceProfile.h"
#include "platform/device/DisplaySettings.h"
#include "platform/device/PhoneFileSystem.h"
#include "platform/device/Registry.h"
#include "platform/device/Shell.h"

namespace tarvo {

class Device {
 public:
  // Opens the device in hostDir, creating it from the template when it has no
  // profile yet. nullptr (with a reason in error) when that fails.
  enum class IfMissing { CreateFromTemplate, Fail };
  static std::unique_ptr<Device> Open(const std::string& hostDir, std::string* error = nullptr,
                                      IfMissing ifMissing = IfMissing::CreateFromTemplate);
  // $XDG_DATA_HOME/tarvo/device, or ~/.local/share/tarvo/device.
  static std::string DefaultDirectory();
  // The template a new device is copied from ($TARVO_TEMPLATE_DIR overrides).
  static std::string TemplateDirectory();
  // Files made by the build (the pictures) that every new device also gets
  // ($TARVO_GENERATED_TEMPLATE_DIR overrides); skipped when absent.
  static std::string GeneratedTemplateDirectory();

  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  const std::string& HostDirectory() const { return dir_; }
  const DeviceProfile& Profile() const { return profile_; }
  PhoneFileSystem& Files() { return files_; }
  Registry& GetRegistry() { return registry_; }
  DeviceClock& Clock() { return clock_; }
  Shell& GetShell() { return shell_; }
  DisplaySettings& Display() { return display_; }
  Connectivity& Connections() { return connectivity_; }
  std::string CodePage() const { return codePage_; }
  std::string LaunchLogPath() const;

 private:
  Device(std::string dir, DeviceProfile profile);

  std::string dir_;
  DeviceProfile profile_;
  std::string codePage_;
  PhoneFileSystem files_;
  Registry registry_;
  DeviceClock clock_;
  Shell shell_;
  DisplaySettings display_;
  Connectivity connectivity_;
};

}  // namespace tarvo
