#pragma once
// One update check, on a worker: the update list fetched afresh, the
// decision for this device's channel, the question when the list asks for
// one, the hand-over file, the installer download and its start. Everything
// that reaches the network, the user or the shell comes in as a function, so
// that the check runs the same with fakes.
#include <atomic>
#include <functional>
#include <string>

#include "app/UpdateDecision.h"
#include "platform/device/FileAccess.h"
#include "platform/device/Registry.h"

namespace tarvo {

inline constexpr char16_t kUpdateQuestion[] =
    u"\n发现新的版本，是否升级？  \n目前版本是 V%s\n新的版本是 V%s";
inline constexpr char16_t kChannelKey[] = u"proinfo";
inline constexpr char16_t kChannelValue[] = u"Content Type";
inline constexpr char16_t kHandOverFile[] = u"\\windows\\Tarvo.ini";
inline constexpr size_t kChannelCapacity = 256;

struct UpdateCheckSetup {
  FileAccess* files = nullptr;
  Registry* registry = nullptr;
  std::string codePage = "GBK";
  WString contentServer;  // "http://host:port", no trailing "/"
  WString programDir;
  WString appVersion;
  WString updateInfoPath;  // "\windows\TarvoUpdate.txt"
  WString updaterPath;     // "\windows\TarvoUpdate.exe"
  WString handOverPath = kHandOverFile;
  // DownloadToFile of url into path.
  std::function<void(WStringView url, WStringView path)> fetchList;
  // The question; true for Yes. Called on the check's thread.
  std::function<bool(const WString& text)> ask;
  // The installer into path; true only when it arrived whole.
  std::function<bool(WStringView url, WStringView path)> download;
  // Opens the installer; true when it started.
  std::function<bool(WStringView path)> shellOpen;
  const std::atomic<bool>* stop = nullptr;
};

struct UpdateCheckResult {
  UpdateDecision decision;
  bool asked = false;
  bool installerStarted = false;
};

// The text of the question for the two versions.
WString UpdateQuestion(WStringView current, WStringView offered);

UpdateCheckResult RunUpdateCheck(const UpdateCheckSetup& setup);

}  // namespace tarvo
