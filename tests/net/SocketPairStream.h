#pragma once
// Both ends of a connected local stream socket pair, each a ByteStream.
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <string_view>

#include "net/ByteStream.h"

namespace tarvo::testing {

class SocketEnd : public ByteStream {
 public:
  explicit SocketEnd(int fd) : fd_(fd) {}
  ~SocketEnd() override { Close(); }
  SocketEnd(const SocketEnd&) = delete;
  SocketEnd& operator=(const SocketEnd&) = delete;

  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  std::ptrdiff_t Send(const uint8_t* bytes, size_t size) override {
    ssize_t sent = ::send(fd_, bytes, size, MSG_NOSIGNAL);
    return sent < 0 ? kError : sent;
  }
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds wait) override {
    pollfd entry{fd_, POLLIN, 0};
    int ready = ::poll(&entry, 1, static_cast<int>(wait.count()));
    if (ready == 0) return kTimedOut;
    if (ready < 0) return kError;
    ssize_t got = ::recv(fd_, buffer, size, 0);
    return got < 0 ? kError : got;
  }
  // Raw bytes, for frames built by hand.
  bool Write(std::string_view bytes) {
    return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
  }

 private:
  int fd_;
};

struct SocketPair {
  SocketPair() {
    int fds[2] = {-1, -1};
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, fds);
    client = std::make_unique<SocketEnd>(fds[0]);
    server = std::make_unique<SocketEnd>(fds[1]);
  }
  std::unique_ptr<SocketEnd> client;
  std::unique_ptr<SocketEnd> server;
};

}  // namespace tarvo::testing
