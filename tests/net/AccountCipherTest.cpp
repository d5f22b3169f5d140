#include "net/AccountCipher.h"

#include <gtest/gtest.h>

#include "net/Base64.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

// 24 Base64 characters: 18 bytes, so bytes 8 to 15 exist.
constexpr char16_t kSessionKey[] = u"QUJDREVGR0gxMjM0NTY3OHh5";

TEST(KeyDerivation, TakesTheSecondGroupOfEightBytes) {
  auto key = DeriveDesKey(kSessionKey);
  ASSERT_TRUE(key.has_value());
  std::string expected = "12345678";
  EXPECT_EQ(std::string(key->begin(), key->end()), expected);
}

TEST(KeyDerivation, RefusesKeyTextsOfFewerThanSixteenBytes) {
  EXPECT_FALSE(DeriveDesKey(u"QUJDREVGR0gxMjM0NTY3").has_value());  // 15 bytes
  EXPECT_FALSE(DeriveDesKey(u"").has_value());
  EXPECT_TRUE(DeriveDesKey(u"QUJDREVGR0gxMjM0NTY3OA").has_value());  // exactly 16
  EXPECT_EQ(Encipher(u"abcd", u"QUJDREVGR0gxMjM0NTY3"), u"");
  EXPECT_EQ(Decipher(u"AAAAAAAAAAA=", u"QUJDREVGR0gxMjM0NTY3"), u"");
}

TEST(Encipher, FourCharacterPasswordGivesTwoBlocks) {
  WString sealed = Encipher(u"abcd", kSessionKey);
  EXPECT_EQ(sealed.size(), 24u);
  EXPECT_EQ(Base64Decode(ToUtf8(sealed)).size(), 16u);
}

// Cipher texts made independently of this code, with OpenSSL's legacy DES
// under key "12345678" (bytes 8 to 15 of kSessionKey), no padding of its own:
//   printf '\x00a\x00b\x00c\x00d\0\0\0\0\0\0\0\0' |
//     openssl enc -des-ecb -provider legacy -provider default -K 3132333435363738 -nopad | base64
TEST(Encipher, MatchesDesEcbOverBigEndianUtf16WithZeroPadding) {
  EXPECT_EQ(Encipher(u"abcd", kSessionKey), u"aWpFw8i5+bQ9dZWpi/+AnQ==");  // a whole block of zeros
  EXPECT_EQ(Encipher(u"secret", kSessionKey), u"e8XKFFz7NQeT0wK7HZbxSw==");
  EXPECT_EQ(Encipher(u"中文", kSessionKey), u"aAiQkFIG0fQ=");  // 4E2D 6587 0000 0000
  EXPECT_EQ(Decipher(u"e8XKFFz7NQeT0wK7HZbxSw==", kSessionKey), u"secret");
}

TEST(Encipher, PadsAShortTextToOneBlock) {
  EXPECT_EQ(Encipher(u"abc", kSessionKey).size(), 12u);  // 6 bytes -> 8
  EXPECT_EQ(Encipher(u"abcde", kSessionKey).size(), 24u);  // 10 bytes -> 16
}

TEST(Encipher, EmptyArgumentsGiveEmptyText) {
  EXPECT_EQ(Encipher(u"", kSessionKey), u"");
  EXPECT_EQ(Encipher(u"abcd", u""), u"");
  EXPECT_EQ(Decipher(u"", kSessionKey), u"");
}

TEST(CipherRoundTrip, GivesThePlainTextBack) {
  for (WString plain : {WString(u"a"), WString(u"abcd"), WString(u"password12"),
                        WString(u"中文密码"), WString(u"x一")}) {
    EXPECT_EQ(Decipher(Encipher(plain, kSessionKey), kSessionKey), plain);
  }
}

TEST(CipherRoundTrip, CharactersOutsideTheCodePageComeBackAsQuestionMarks) {
  EXPECT_EQ(Decipher(Encipher(u"a\u0E01b", kSessionKey), kSessionKey), u"a?b");
}

TEST(Decipher, IgnoresATrailingPartialBlock) {
  WString sealed = Encipher(u"secret", kSessionKey);
  // Four more Base64 characters are three more bytes: not a whole block.
  EXPECT_EQ(Decipher(sealed + u"QUJD", kSessionKey), u"secret");
}

TEST(Decipher, UnderAnotherKeyDoesNotGiveThePlainText) {
  WString sealed = Encipher(u"secret", kSessionKey);
  EXPECT_NE(Decipher(sealed, u"WFlaV1ZVVFNSUVBPTk1MS0pJ"), u"secret");
}

TEST(RepeatToLength, ThreeLetterNameToThirtyTwo) {
  EXPECT_EQ(RepeatToLength(u"abc", 32), u"abcabcabcabcabcabcabcabcabcabcab");
}

TEST(RepeatToLength, EdgeLengths) {
  EXPECT_EQ(RepeatToLength(u"", 32), u"");
  EXPECT_EQ(RepeatToLength(u"abcd", 2), u"ab");
  EXPECT_EQ(RepeatToLength(u"abcd", 8), u"abcdabcd");
  EXPECT_EQ(RepeatToLength(u"abcd", 0), u"");
}

TEST(SavedPasswordKey, NameRepeatedToThirtyTwoIsAUsableKey) {
  // Names of letters, digits and "_" repeated to 32 characters are the key
  // texts of saved passwords; "_" counts as Base64 value 0.
  WString key = RepeatToLength(u"a_1", 32);
  EXPECT_TRUE(DeriveDesKey(key).has_value());
  EXPECT_EQ(Decipher(Encipher(u"pw12", key), key), u"pw12");
}

}  // namespace
}  // namespace tarvo
