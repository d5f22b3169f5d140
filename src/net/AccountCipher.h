#pragma once
// The password cipher of the account protocol: DES-ECB under a key taken
// from a Base64 key text, over big-endian UTF-16, carried as Base64.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/text/WString.h"

namespace tarvo {

// The key text in the code page, Base64-decoded; decoded bytes 8 to 15 are
// the DES key. nullopt when the key text decodes to fewer than 16 bytes.
std::optional<std::array<uint8_t, 8>> DeriveDesKey(WStringView keyText,
                                                   std::string_view codePage = "GBK");

// The enciphered text; empty when either text is empty or the key text is
// too short. The plain text goes through the code page first, as the phone's
// conversions do, and is padded with zero bytes to whole blocks (a whole
// block of zeros when it already fills whole blocks).
WString Encipher(WStringView plain, WStringView keyText, std::string_view codePage = "GBK");
// The plain text back; empty on the same failures. A trailing partial block
// of the decoded cipher text is ignored.
WString Decipher(WStringView cipher, WStringView keyText, std::string_view codePage = "GBK");

// The text repeated as often as it fits whole into n characters, then its
// first (n mod length) characters; empty for an empty text.
WString RepeatToLength(WStringView text, size_t n);

}  // namespace tarvo
