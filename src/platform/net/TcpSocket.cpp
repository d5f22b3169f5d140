#include "platform/net/TcpSocket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace tarvo {
namespace {

using Clock = std::chrono::steady_clock;

bool Resolve(const std::string& host, uint16_t port, sockaddr_in& address) {
  address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  if (host.empty()) return false;
  if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) == 1) return true;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
  address.sin_addr = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
  ::freeaddrinfo(found);
  return true;
}

}  // namespace

TcpSocket::~TcpSocket() { Close(); }

void TcpSocket::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

int TcpSocket::WaitFor(short events, std::chrono::milliseconds wait,
                       const std::atomic<bool>* stop) {
  auto deadline = Clock::now() + wait;
  while (true) {
    if (stop != nullptr && stop->load()) return static_cast<int>(kStopped);
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() < 0) left = std::chrono::milliseconds(0);
    auto slice = stop != nullptr && left > kSocketStopCheck ? kSocketStopCheck : left;
    pollfd entry{fd_, events, 0};
    int ready = ::poll(&entry, 1, static_cast<int>(slice.count()));
    if (ready > 0) return 1;
    if (ready < 0 && errno != EINTR) return static_cast<int>(kError);
    if (ready == 0 && slice == left) return 0;
  }
}

bool TcpSocket::Connect(const std::string& host, uint16_t port, std::chrono::milliseconds timeout,
                        const std::atomic<bool>* stop) {
  Close();
  sockaddr_in address;
  if (!Resolve(host, port, address)) return false;
  fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd_ < 0) return false;
  int one = 1;
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    if (errno != EINPROGRESS) {
      Close();
      return false;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (WaitFor(POLLOUT, timeout, stop) != 1 ||
        ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
      Close();
      return false;
    }
  }
  return true;
}

std::ptrdiff_t TcpSocket::Send(const uint8_t* bytes, size_t size, std::chrono::milliseconds wait,
                               const std::atomic<bool>* stop) {
  if (fd_ < 0) return kError;
  int ready = WaitFor(POLLOUT, wait, stop);
  if (ready == 0) return kTimedOut;
  if (ready < 0) return ready;
  ssize_t sent = ::send(fd_, bytes, size, MSG_NOSIGNAL | MSG_DONTWAIT);
  if (sent < 0) return errno == EAGAIN || errno == EWOULDBLOCK ? kTimedOut : kError;
  return sent;
}

std::ptrdiff_t TcpSocket::Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds wait,
                                  const std::atomic<bool>* stop) {
  if (fd_ < 0) return kError;
  int ready = WaitFor(POLLIN, wait, stop);
  if (ready == 0) return kTimedOut;
  if (ready < 0) return ready;
  ssize_t got = ::recv(fd_, buffer, size, MSG_DONTWAIT);
  if (got < 0) return errno == EAGAIN || errno == EWOULDBLOCK ? kTimedOut : kError;
  return got;
}

}  // namespace tarvo
