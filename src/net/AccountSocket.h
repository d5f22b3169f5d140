#pragma once
// The connection to the account server, as the frame code's ByteStream:
// every connect, send and receive waits at most the step time-out, and the
// stop flag ends any wait.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "net/ByteStream.h"
#include "platform/net/TcpSocket.h"

namespace tarvo {

inline constexpr uint16_t kAccountServerPort = 8089;

struct AccountEndpoint {
  std::string host;
  uint16_t port = kAccountServerPort;
};

// "host:port", or "host" for port 8089; nullopt when empty, when the host is
// missing or holds a space, or when the port is not a number from 1 to 65535.
std::optional<AccountEndpoint> ParseAccountServer(std::string_view text);

class AccountSocket : public ByteStream {
 public:
  explicit AccountSocket(std::chrono::milliseconds stepTimeout,
                         const std::atomic<bool>* stop = nullptr)
      : stepTimeout_(stepTimeout), stop_(stop) {}

  // Connects to the server the text names (see ParseAccountServer); false
  // when the text is bad, the connect fails, or it does not finish in time.
  bool Open(std::string_view server);
  void Close() { socket_.Close(); }
  bool IsOpen() const { return socket_.IsOpen(); }

  // One send after waiting at most the step time-out for room; a send that
  // cannot start in time, or is stopped, is an error.
  std::ptrdiff_t Send(const uint8_t* bytes, size_t size) override;
  // A stop ends the wait as a time-out, so that the frame code sees its flag.
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds wait) override;

 private:
  std::chrono::milliseconds stepTimeout_;
  const std::atomic<bool>* stop_;
  TcpSocket socket_;
};

}  // namespace tarvo
