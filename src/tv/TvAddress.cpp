#include "tv/TvAddress.h"

namespace tarvo {

bool IsAcceptedTvAddress(WStringView url) {
  constexpr size_t kPrefixLength = 6;
  const WStringView start = url.substr(0, kPrefixLength);
  return start == u"mms://" || start == u"rtsp:/" || start == u"http:/";
}

}  // namespace tarvo
