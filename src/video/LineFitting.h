#pragma once
// Fitting a list row's text line to the width of the list.
#include <functional>

#include "platform/text/WString.h"

namespace tarvo::video {

// Width of one character in the list's font.
using CharWidth = std::function<int(char16_t)>;

// A line that fits stays whole. Otherwise, with i the index of the first
// character at which the summed widths exceed maxWidth, the line becomes its
// first i - 2 characters (none when i < 2) followed by "..".
WString FitLine(WStringView line, const CharWidth& width, int maxWidth);

}  // namespace tarvo::video
