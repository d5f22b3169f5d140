#pragma once
// A loopback TCP server for exchange tests: it accepts one connection and
// runs the test's handler on it, as a ByteStream, on its own thread.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>

#include "net/SocketPairStream.h"

namespace tarvo::testing {

class FakeAccountServer {
 public:
  using Handler = std::function<void(SocketEnd& client)>;

  explicit FakeAccountServer(Handler handler) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    ::listen(listener_, 4);
    thread_ = std::thread([this, handler = std::move(handler)] {
      int fd = ::accept(listener_, nullptr, nullptr);
      if (fd < 0) return;
      SocketEnd client(fd);
      handler(client);
    });
  }
  ~FakeAccountServer() {
    ::shutdown(listener_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
  }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

  // A loopback port nobody listens on.
  static std::string RefusingAddress() {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
  }

 private:
  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace tarvo::testing
