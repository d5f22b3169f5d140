#pragma once
// Turning a search-page parser's outcome code into what the user is told.
#include "net/UserPrompts.h"
#include "platform/device/Connectivity.h"

namespace tarvo {

// 1 found, 0 nothing, -2 site maintenance, -3 withheld: true (with a message
// for 0, -2, -3 when show is set). Anything else: false, and with show set
// "搜索失败,..." only when a connection is up (otherwise the dial prompt was
// the message).
bool ReportSearchOutcome(int code, bool show, Connectivity& connectivity, UserPrompts& prompts);

}  // namespace tarvo
