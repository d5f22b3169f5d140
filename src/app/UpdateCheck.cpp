#include "app/UpdateCheck.h"

#include "app/IniFile.h"
#include "platform/text/Format.h"

namespace tarvo {
namespace {

bool Stopped(const UpdateCheckSetup& setup) { return setup.stop != nullptr && setup.stop->load(); }

void RemoveInstaller(const UpdateCheckSetup& setup) {
  FileAccess& files = *setup.files;
  for (const WString& path : {setup.updaterPath, setup.programDir + u"TarvoUpdate.exe"}) {
    if (files.FileExists(path)) files.DeleteFile(path);
  }
}

}  // namespace

WString UpdateQuestion(WStringView current, WStringView offered) {
  return Format(kUpdateQuestion, WString(current), WString(offered));
}

UpdateCheckResult RunUpdateCheck(const UpdateCheckSetup& setup) {
  UpdateCheckResult result;
  FileAccess& files = *setup.files;
  // A list left by an earlier check must not decide this one.
  if (files.FileExists(setup.updateInfoPath)) files.DeleteFile(setup.updateInfoPath);
  const WString listUrl = setup.contentServer + u"/tarvo/update.txt";
  setup.fetchList(listUrl, setup.updateInfoPath);
  if (!files.FileExists(setup.updateInfoPath) && !Stopped(setup)) setup.fetchList(listUrl, setup.updateInfoPath);
  auto bytes = files.FileExists(setup.updateInfoPath) ? files.ReadAll(setup.updateInfoPath) : std::nullopt;
  if (!bytes || Stopped(setup)) {
    RemoveInstaller(setup);
    return result;
  }
  WString channel = setup.registry->GetString(RegistryRoot::ClassesRoot, kChannelKey, kChannelValue).value_or(u"");
  if (channel.size() > kChannelCapacity) channel.resize(kChannelCapacity);
  // The section is chosen afresh for every check.
  result.decision = DecideUpdate(*bytes, channel, setup.appVersion, setup.codePage);
  bool go = result.decision.action == UpdateAction::kSilent;
  if (result.decision.action == UpdateAction::kAsk) {
    result.asked = true;
    go = setup.ask(UpdateQuestion(setup.appVersion, result.decision.version));
  }
  if (go && !Stopped(setup)) {
    IniFile ini(files, setup.codePage);
    ini.WriteString(u"Tarvo", u"TarvoPath", setup.programDir, setup.handOverPath);
    const bool whole = setup.download(setup.contentServer + u"/tarvo/update.exe", setup.updaterPath);
    // Only a whole installer is started: a partial one would break the phone's copy.
    if (whole && !Stopped(setup) && files.FileExists(setup.updaterPath) && setup.shellOpen(setup.updaterPath)) {
      result.installerStarted = true;
      return result;
    }
  }
  RemoveInstaller(setup);
  return result;
}

}  // namespace tarvo
