#pragma once
// DES (FIPS 46) on single 8-byte blocks. Key and block bits are taken most
// significant bit of the first byte first; the key's parity bits are ignored.
#include <array>
#include <cstdint>

namespace tarvo {

using DesBlock = std::array<uint8_t, 8>;

class Des {
 public:
  explicit Des(const DesBlock& key);

  DesBlock Encrypt(const DesBlock& block) const;
  DesBlock Decrypt(const DesBlock& block) const;

 private:
  uint64_t Crypt(uint64_t block, bool decrypt) const;

  std::array<uint64_t, 16> subkeys_{};  // 48 bits each, right-aligned
};

}  // namespace tarvo
