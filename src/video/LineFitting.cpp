#include "video/LineFitting.h"

namespace tarvo::video {
namespace {

constexpr char16_t kEllipsis[] = u"..";
constexpr size_t kCharsGivenToEllipsis = 2;

}  // namespace

WString FitLine(WStringView line, const CharWidth& width, int maxWidth) {
  long long sum = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    sum += width(line[i]);
    if (sum > maxWidth) {
      size_t keep = i >= kCharsGivenToEllipsis ? i - kCharsGivenToEllipsis : 0;
      return WString(line.substr(0, keep)) + kEllipsis;
    }
  }
  return WString(line);
}

}  // namespace tarvo::video
