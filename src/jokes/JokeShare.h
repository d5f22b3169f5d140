#pragma once
// The messaging program's command line that hands a joke over to be sent.
#include <optional>

#include "platform/text/WString.h"

namespace tarvo {

inline constexpr char16_t kMessagingProgram[] = u"\\Windows\\tmail.exe";

enum class JokeShareService { Sms, Email };

// The service's prefix (ending in an opening quote), the joke as held with
// its ASCII double quotes turned into “ and ” in turn, and a closing quote.
// No joke gives an empty body.
WString BuildShareCommandLine(JokeShareService service, const std::optional<WString>& joke);

}  // namespace tarvo
