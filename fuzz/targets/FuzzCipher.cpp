// Base64 and Decipher on arbitrary cipher and key texts.
#include <cstdint>
#include <string_view>

#include "net/AccountCipher.h"
#include "net/Base64.h"
#include "platform/text/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Base64Decode(bytes);
  size_t cut = size > 0 ? data[0] % (size + 1) : 0;
  WString key = FromUtf8(bytes.substr(0, cut));
  WString cipher = FromUtf8(bytes.substr(cut));
  Decipher(cipher, key);
  Decipher(cipher, u"QUJDREVGR0gxMjM0NTY3OHh5");
  WString plain = Decipher(Encipher(cipher, key), key);
  return 0;
}
