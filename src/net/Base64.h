#pragma once
// Base64 with the standard alphabet and "=" padding, as the account server
// and the saved accounts carry enciphered passwords.
#include <string>
#include <string_view>

namespace tarvo {

// No line breaks in the output.
std::string Base64Encode(std::string_view bytes);
// CR and LF are skipped, "=" ends the data, any other character outside the
// alphabet counts as value 0. Bits that do not fill a whole byte are dropped.
std::string Base64Decode(std::string_view text);

}  // namespace tarvo
