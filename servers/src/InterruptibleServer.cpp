#include "InterruptibleServer.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace tarvo::servers {
namespace {

constexpr int kKeepAliveMs = 5000;   // for the next request on a connection
constexpr int kReadWriteMs = 5000;   // for more of a request, or room to send
constexpr int kRequestsPerConnection = 100;

// Waits until the socket has `events` ready; false on time-out, error or stop.
bool WaitForSocket(int sock, short events, int stopFd, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    pollfd fds[2] = {{sock, events, 0}, {stopFd, POLLIN, 0}};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() < 0) return false;
    const int ready = poll(fds, 2, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || (fds[1].revents & POLLIN) != 0) return false;
    return (fds[0].revents & (events | POLLHUP | POLLERR)) != 0;
  }
}

void Address(const sockaddr_storage& address, std::string& ip, int& port) {
  char text[INET6_ADDRSTRLEN] = "";
  if (address.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    port = ntohs(v6.sin6_port);
  }
  ip = text;
}

class InterruptibleStream : public httplib::Stream {
 public:
  InterruptibleStream(int sock, int stopFd) : sock_(sock), stopFd_(stopFd) {}

  bool is_readable() const override { return WaitForSocket(sock_, POLLIN, stopFd_, kReadWriteMs); }
  bool is_writable() const override { return WaitForSocket(sock_, POLLOUT, stopFd_, kReadWriteMs); }
  ssize_t read(char* ptr, size_t size) override {
    if (!is_readable()) return -1;
    ssize_t got;
    do got = recv(sock_, ptr, size, 0);
    while (got < 0 && errno == EINTR);
    return got;
  }
  ssize_t write(const char* ptr, size_t size) override {
    if (!is_writable()) return -1;
    ssize_t sent;
    do sent = send(sock_, ptr, size, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    return sent;
  }
  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getpeername(sock_, reinterpret_cast<sockaddr*>(&address), &length) == 0) Address(address, ip, port);
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getsockname(sock_, reinterpret_cast<sockaddr*>(&address), &length) == 0) Address(address, ip, port);
  }
  socket_t socket() const override { return sock_; }

 private:
  int sock_;
  int stopFd_;
};

}  // namespace

InterruptibleServer::InterruptibleServer() : stopFd_(eventfd(0, EFD_CLOEXEC)) {
  // What the library announces in its Keep-Alive header.
  set_keep_alive_max_count(kRequestsPerConnection);
  set_keep_alive_timeout(kKeepAliveMs / 1000);
}

InterruptibleServer::~InterruptibleServer() {
  if (stopFd_ >= 0) close(stopFd_);
}

void InterruptibleServer::Interrupt() {
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t written = ::write(stopFd_, &one, sizeof one);
}

bool InterruptibleServer::process_and_close_socket(socket_t sock) {
  InterruptibleStream stream(sock, stopFd_);
  bool served = false;
  for (int count = kRequestsPerConnection; count > 0; --count) {
    if (!WaitForSocket(sock, POLLIN, stopFd_, kKeepAliveMs)) break;
    bool closed = false;
    served = process_request(stream, count == 1, closed, {});
    if (!served || closed) break;
  }
  shutdown(sock, SHUT_RDWR);
  close(sock);
  return served;
}

}  // namespace tarvo::servers
