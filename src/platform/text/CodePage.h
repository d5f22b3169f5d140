#pragma once
// UTF-16 <-> the device's multibyte ("ANSI") code page, GBK unless the device
// profile names another. Bytes that are not valid in the code page decode to
// U+FFFD; characters the code page cannot hold encode as '?'. Never throws.
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr std::string_view kDefaultCodePage = "GBK";

WString FromCodePage(std::string_view bytes, std::string_view codePage = kDefaultCodePage);
std::string ToCodePage(WStringView text, std::string_view codePage = kDefaultCodePage);

// True when conversions to and from the named code page are available.
bool IsSupportedCodePage(std::string_view codePage);

}  // namespace tarvo
