#include "net/Des.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

DesBlock Hex(const std::string& text) {
  DesBlock block{};
  for (size_t i = 0; i < 8; ++i) block[i] = static_cast<uint8_t>(std::stoul(text.substr(2 * i, 2), nullptr, 16));
  return block;
}

struct Vector {
  const char* key;
  const char* plain;
  const char* cipher;
};

// Published known-answer values for DES.
constexpr Vector kVectors[] = {
    {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
    {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},  // "Now is t"
    {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},  // variable plaintext
    {"8001010101010101", "0000000000000000", "95A8D72813DAA94D"},  // variable key
    {"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
    {"1046913489980131", "0000000000000000", "88D55E54F54C97B4"},  // permutation test
};

TEST(DesKnownAnswers, EncryptGivesThePublishedCipherText) {
  for (const Vector& v : kVectors) {
    EXPECT_EQ(Des(Hex(v.key)).Encrypt(Hex(v.plain)), Hex(v.cipher)) << v.key << " " << v.plain;
  }
}

TEST(DesKnownAnswers, DecryptGivesThePlainTextBack) {
  for (const Vector& v : kVectors) {
    EXPECT_EQ(Des(Hex(v.key)).Decrypt(Hex(v.cipher)), Hex(v.plain)) << v.key << " " << v.cipher;
  }
}

TEST(DesKeyBits, ParityBitsDoNotChangeTheResult) {
  // The lowest bit of every key byte is parity and is not part of the key.
  DesBlock plain = Hex("0123456789ABCDEF");
  EXPECT_EQ(Des(Hex("133457799BBCDFF1")).Encrypt(plain), Des(Hex("123456789ABCDEF0")).Encrypt(plain));
}

}  // namespace
}  // namespace tarvo
