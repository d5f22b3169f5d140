#include "jokes/PageNumber.h"

namespace tarvo {

std::optional<int> ReadPageNumber(WStringView text, int count) {
  size_t first = text.find_first_not_of(u' ');
  if (first == WStringView::npos) return std::nullopt;
  size_t last = text.find_last_not_of(u' ');
  text = text.substr(first, last - first + 1);
  long long value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > count) return std::nullopt;  // also keeps the value within 32 bits
  }
  if (value < 1) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace tarvo
