#pragma once
// The update check's decision over the update description file: which
// section applies for the distribution channel, and whether the offered
// version is newer than the running one and should be installed silently
// or after asking.
#include <string>
#include <vector>

#include "app/AppVersion.h"
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr char16_t kUpdateSection[] = u"Update";
// Capacity of the buffer the offered version is read into.
inline constexpr size_t kVersionCapacity = 256;

enum class UpdateAction { kNone, kAsk, kSilent };

struct UpdateDecision {
  WString section;
  WString version;
  int isValid = 0;
  int isSilence = 1;
  bool newer = false;  // the versions alone, whatever isValid says
  UpdateAction action = UpdateAction::kNone;
};

// Section names in file order, as the channel search collects them: from the
// first "[" on, each later "[" up to the first "]" after it (so the file's
// first section is never among them); a "[" without a later "]" is skipped.
std::vector<WString> CollectChannelSections(WStringView text);

// The section to read: the channel's own when the channel is not empty, is
// among the collected names and its "isValid" is not 0; else "Update".
WString ChooseUpdateSection(std::string_view descriptionBytes, WStringView channel,
                            std::string_view codePage = "GBK");

// "%d.%d" of a version: major and minor, 0 where unreadable.
struct VersionNumber {
  int major = 0;
  int minor = 0;
};
VersionNumber ParseVersion(WStringView text);
bool IsNewerVersion(WStringView offered, WStringView current);

// The whole decision over the description file's bytes.
UpdateDecision DecideUpdate(std::string_view descriptionBytes, WStringView channel,
                            WStringView appVersion = kAppVersion,
                            std::string_view codePage = "GBK");

}  // namespace tarvo
