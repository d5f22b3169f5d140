#pragma once
// The play addresses the channel dialog accepts and the screen plays.
#include "platform/text/WString.h"

namespace tarvo {

// The first six characters are exactly "mms://", "rtsp:/" or "http:/" (so
// upper case and "https://" are refused, "rtsp:/x" passes).
bool IsAcceptedTvAddress(WStringView url);

}  // namespace tarvo
