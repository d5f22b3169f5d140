#pragma once
// The platform's debug output: traces go to stderr when TARVO_DEBUG=1 is set
// in the environment or debug output was switched on (--debug).
#include <string_view>

#include "platform/text/WString.h"

namespace tarvo {

void SetDebugOutput(bool on);
bool IsDebugOutputOn();
void DebugTrace(std::string_view utf8);
void DebugTrace(WStringView text);

}  // namespace tarvo
