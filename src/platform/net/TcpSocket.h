#pragma once
// One IPv4 TCP connection with bounded waits: the connect, every send and
// every receive wait at most the time they are given, and a stop flag ends
// any wait within kSocketStopCheck.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvo {

inline constexpr std::chrono::milliseconds kSocketStopCheck{50};

class TcpSocket {
 public:
  // What Send and Receive give besides a positive byte count.
  static constexpr std::ptrdiff_t kClosed = 0;
  static constexpr std::ptrdiff_t kError = -1;
  static constexpr std::ptrdiff_t kTimedOut = -2;
  static constexpr std::ptrdiff_t kStopped = -3;

  TcpSocket() = default;
  ~TcpSocket();
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;

  // Connects to an IPv4 literal or a host name that resolves to IPv4. False
  // when refused, unresolvable, not finished within timeout or stopped.
  bool Connect(const std::string& host, uint16_t port, std::chrono::milliseconds timeout,
               const std::atomic<bool>* stop = nullptr);
  bool IsOpen() const { return fd_ >= 0; }
  void Close();

  // Waits up to wait for room and sends what fits: the count sent, kError
  // (also when the peer has gone), kTimedOut or kStopped.
  std::ptrdiff_t Send(const uint8_t* bytes, size_t size, std::chrono::milliseconds wait,
                      const std::atomic<bool>* stop = nullptr);
  // Waits up to wait for data: the count received, kClosed, kError,
  // kTimedOut or kStopped.
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds wait,
                         const std::atomic<bool>* stop = nullptr);

 private:
  // Polls for events in slices, reading the stop flag between them: 1 when
  // ready, 0 when the wait ran out, kStopped, or kError.
  int WaitFor(short events, std::chrono::milliseconds wait, const std::atomic<bool>* stop);

  int fd_ = -1;
};

}  // namespace tarvo
