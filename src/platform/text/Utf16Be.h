#pragma once
// UTF-16 <-> big-endian UTF-16 bytes, as the account server's frames carry text.
#include "platform/text/WString.h"

namespace tarvo {

std::string ToUtf16Be(WStringView text);
// A trailing odd byte is dropped.
WString FromUtf16Be(std::string_view bytes);

}  // namespace tarvo
