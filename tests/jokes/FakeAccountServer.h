#pragma once
// A loopback TCP server for exchange tests: it accepts one connection and
// runs the test's handler on it, as a ByteStream, on its own thread.
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>

#include "net/SocketPairStream.h"
#include "support/LoopbackSocket.h"

namespace tarvo::testing {

class FakeAccountServer {
 public:
  using Handler = std::function<void(SocketEnd& client)>;

  explicit FakeAccountServer(Handler handler) {
    listener_ = BindLoopback(&port_);
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
    int port = 0;
    ::close(BindLoopback(&port));
    return "127.0.0.1:" + std::to_string(port);
  }

 private:
  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace tarvo::testing
