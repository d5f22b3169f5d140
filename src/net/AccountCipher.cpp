#include "net/AccountCipher.h"

#include "net/Base64.h"
#include "net/Des.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf16Be.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

constexpr size_t kBlock = 8;
constexpr size_t kKeyOffset = 8;

// What the phone's text conversions leave of a text: characters that the
// code page cannot hold come back as '?'.
WString ThroughCodePage(WStringView text, std::string_view codePage) {
  return FromCodePage(ToCodePage(text, codePage), codePage);
}

}  // namespace

std::optional<std::array<uint8_t, 8>> DeriveDesKey(WStringView keyText, std::string_view codePage) {
  std::string decoded = Base64Decode(ToCodePage(keyText, codePage));
  if (decoded.size() < kKeyOffset + kBlock) return std::nullopt;
  std::array<uint8_t, 8> key{};
  for (size_t i = 0; i < kBlock; ++i) key[i] = static_cast<uint8_t>(decoded[kKeyOffset + i]);
  return key;
}

WString Encipher(WStringView plain, WStringView keyText, std::string_view codePage) {
  if (plain.empty() || keyText.empty()) return {};
  auto key = DeriveDesKey(keyText, codePage);
  if (!key) return {};
  std::string bytes = ToUtf16Be(ThroughCodePage(plain, codePage));
  bytes.append(kBlock - bytes.size() % kBlock, '\0');
  Des des(*key);
  for (size_t offset = 0; offset < bytes.size(); offset += kBlock) {
    DesBlock block{};
    for (size_t i = 0; i < kBlock; ++i) block[i] = static_cast<uint8_t>(bytes[offset + i]);
    DesBlock sealed = des.Encrypt(block);
    for (size_t i = 0; i < kBlock; ++i) bytes[offset + i] = static_cast<char>(sealed[i]);
  }
  return FromUtf8(Base64Encode(bytes));
}

WString Decipher(WStringView cipher, WStringView keyText, std::string_view codePage) {
  if (cipher.empty() || keyText.empty()) return {};
  auto key = DeriveDesKey(keyText, codePage);
  if (!key) return {};
  std::string bytes = Base64Decode(ToUtf8(cipher));
  bytes.resize(bytes.size() - bytes.size() % kBlock);
  Des des(*key);
  for (size_t offset = 0; offset < bytes.size(); offset += kBlock) {
    DesBlock block{};
    for (size_t i = 0; i < kBlock; ++i) block[i] = static_cast<uint8_t>(bytes[offset + i]);
    DesBlock opened = des.Decrypt(block);
    for (size_t i = 0; i < kBlock; ++i) bytes[offset + i] = static_cast<char>(opened[i]);
  }
  size_t length = bytes.find_last_not_of('\0');
  length = length == std::string::npos ? 0 : length + 1;
  // The low byte of the last code unit may itself be zero.
  if (length % 2 != 0) ++length;
  bytes.resize(length);
  return ThroughCodePage(FromUtf16Be(bytes), codePage);
}

WString RepeatToLength(WStringView text, size_t n) {
  if (text.empty()) return {};
  WString out;
  out.reserve(n);
  while (out.size() + text.size() <= n) out += text;
  out += text.substr(0, n - out.size());
  return out;
}

}  // namespace tarvo
