#pragma once
// Starting the phone's programs and opening documents. The profile maps a
// phone program ([Programs]) or a file type ([FileTypes]) to a host command,
// which is started with an argument list, never through a shell. Every start
// is recorded in the device's launch log, one tab-separated line each:
// local time, "process" or "open", the program or document as given, the
// argument text, and "started", "failed" or "unmapped".
#include <string>
#include <vector>

#include "platform/device/DeviceClock.h"
#include "platform/device/DeviceProfile.h"
#include "platform/device/PhoneFileSystem.h"

namespace tarvo {

class Shell {
 public:
  Shell(const DeviceProfile& profile, PhoneFileSystem& files, const DeviceClock& clock,
        std::string launchLog);

  // True when started. An unmapped program counts as started when its phone
  // file exists (the phone would have run it); only the log tells them apart.
  bool StartProcess(WStringView program, WStringView commandLine, bool wait);
  bool ShellOpen(WStringView document, WStringView parameters);

  // The host command line a mapping gives: the command's words with "%1"
  // replaced by the target and "%*" by the argument text; without "%1" the
  // target is appended, without "%*" a non-empty argument text is appended.
  static std::vector<std::string> BuildArguments(std::string_view command,
                                                 const std::string& target,
                                                 const std::string& arguments);

 private:
  std::optional<std::string> FindProgram(WStringView program) const;
  std::optional<std::string> FindFileType(WStringView document) const;
  bool Run(const std::vector<std::string>& argv, bool wait);
  void Record(std::string_view kind, WStringView what, WStringView arguments,
              std::string_view outcome);

  const DeviceProfile& profile_;
  PhoneFileSystem& files_;
  const DeviceClock& clock_;
  std::string launchLog_;
};

}  // namespace tarvo
