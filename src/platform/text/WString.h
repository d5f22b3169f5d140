#pragma once
// Every text the program shows or keeps is UTF-16; character counts are code units.
#include <string>
#include <string_view>

namespace tarvo {

using WString = std::u16string;
using WStringView = std::u16string_view;

}  // namespace tarvo
