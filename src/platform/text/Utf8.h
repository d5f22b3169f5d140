#pragma once
// UTF-16 <-> UTF-8. Invalid input is replaced by U+FFFD and conversion goes on.
#include "platform/text/WString.h"

namespace tarvo {

std::string ToUtf8(WStringView text);
WString FromUtf8(std::string_view bytes);

}  // namespace tarvo
