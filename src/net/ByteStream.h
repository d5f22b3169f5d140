#pragma once
// A connected byte stream, as the account exchange needs it: the socket of
// the login and upload exchanges implements it, tests use a socket pair.
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace tarvo {

class ByteStream {
 public:
  // What Receive gives besides a positive byte count.
  static constexpr std::ptrdiff_t kClosed = 0;
  static constexpr std::ptrdiff_t kError = -1;
  static constexpr std::ptrdiff_t kTimedOut = -2;

  virtual ~ByteStream() = default;
  // Bytes sent by one call (possibly fewer than asked), or kError.
  virtual std::ptrdiff_t Send(const uint8_t* bytes, size_t size) = 0;
  // Waits up to `wait` for data and receives at most `size` bytes: the count
  // received, kClosed when the peer closed, kError, or kTimedOut.
  virtual std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds wait) = 0;
};

}  // namespace tarvo
