#include "platform/device/Device.h"

#include <cstdlib>

#include "platform/device/HostFiles.h"
#include "platform/text/CodePage.h"

#ifndef TARVO_TEMPLATE_DIR
#define TARVO_TEMPLATE_DIR "assets/device-template"
#endif
#ifndef TARVO_GENERATED_TEMPLATE_DIR
#define TARVO_GENERATED_TEMPLATE_DIR ""
#endif

namespace tarvo {
namespace {

constexpr const char* kProfileFile = "device.ini";

}  // namespace

std::string Device::DefaultDirectory() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/')
    return std::string(data) + "/tarvo/device";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr && *home != '\0' ? home : ".") +
         "/.local/share/tarvo/device";
}

std::string Device::TemplateDirectory() {
  if (const char* dir = std::getenv("TARVO_TEMPLATE_DIR"); dir != nullptr && *dir != '\0')
    return dir;
  return TARVO_TEMPLATE_DIR;
}

std::string Device::GeneratedTemplateDirectory() {
  if (const char* dir = std::getenv("TARVO_GENERATED_TEMPLATE_DIR"); dir != nullptr && *dir != '\0')
    return dir;
  return TARVO_GENERATED_TEMPLATE_DIR;
}

std::unique_ptr<Device> Device::Open(const std::string& hostDir, std::string* error,
                                     IfMissing ifMissing) {
  auto fail = [&](const std::string& why) -> std::unique_ptr<Device> {
    if (error != nullptr) *error = why;
    return nullptr;
  };
  if (hostDir.empty()) return fail("no device directory given");
  const std::string profilePath = host::Join(hostDir, kProfileFile);
  if (!host::IsRegularFile(profilePath)) {
    if (ifMissing == IfMissing::Fail) return fail("no device at '" + hostDir + "'");
    if (host::Exists(hostDir) && !host::IsFolder(hostDir))
      return fail("'" + hostDir + "' is not a folder");
    const std::string from = TemplateDirectory();
    if (!host::IsRegularFile(host::Join(from, kProfileFile)))
      return fail("the device template '" + from + "' has no " + kProfileFile);
    if (!host::CopyTree(from, hostDir))
      return fail("cannot create the device directory '" + hostDir + "'");
    const std::string generated = GeneratedTemplateDirectory();
    if (!generated.empty() && host::IsFolder(generated) && !host::CopyTree(generated, hostDir))
      return fail("cannot copy the pictures into '" + hostDir + "'");
  }
  auto text = host::ReadFile(profilePath);
  if (!text) return fail("cannot read '" + profilePath + "'");
  host::MakeFolders(host::Join(hostDir, "fs"));
  return std::unique_ptr<Device>(new Device(hostDir, DeviceProfile::Parse(*text)));
}

Device::Device(std::string dir, DeviceProfile profile)
    : dir_(std::move(dir)),
      profile_(std::move(profile)),
      codePage_(IsSupportedCodePage(profile_.CodePage()) ? profile_.CodePage()
                                                         : std::string(kDefaultCodePage)),
      files_(host::Join(dir_, "fs")),
      registry_(host::Join(dir_, "registry.ini"), host::Join(dir_, "registry.lock")),
      clock_(host::Join(dir_, "clock-offset"), profile_.TimeZoneMinutes()),
      shell_(profile_, files_, clock_, host::Join(dir_, "launch.log")),
      connectivity_(profile_) {}

std::string Device::LaunchLogPath() const { return host::Join(dir_, "launch.log"); }

}  // namespace tarvo
