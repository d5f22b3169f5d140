#pragma once
// Reading the joke number typed into the reader's page box.
#include <optional>

#include "platform/text/WString.h"

namespace tarvo {

// A decimal number from 1 to count, blanks around it allowed; nullopt for
// anything else (empty, other characters, a number beyond 32 bits).
std::optional<int> ReadPageNumber(WStringView text, int count);

}  // namespace tarvo
