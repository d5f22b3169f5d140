#include "platform/device/InstanceGuard.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "platform/device/HostFiles.h"

namespace tarvo {
namespace {

constexpr char kComeForward[] = "come-forward";

bool FillAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size());
  return true;
}

}  // namespace

InstanceGuard::InstanceGuard(const std::string& deviceDir)
    : lockPath_(host::Join(deviceDir, "tarvo.lock")), socketPath_(host::Join(deviceDir, "tarvo.sock")) {}

InstanceGuard::~InstanceGuard() {
  StopListening();
  if (wakeFd_ >= 0) ::close(wakeFd_);
  if (socketFd_ >= 0) {
    ::close(socketFd_);
    ::unlink(socketPath_.c_str());
  }
  if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
}

bool InstanceGuard::Acquire() {
  if (lockFd_ >= 0) return true;
  int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  lockFd_ = fd;
  return true;
}

bool InstanceGuard::AskOwnerToComeForward() {
  sockaddr_un address;
  if (!FillAddress(socketPath_, address)) return false;
  int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool sent = ::sendto(fd, kComeForward, sizeof kComeForward - 1, 0,
                             reinterpret_cast<sockaddr*>(&address), sizeof address) > 0;
  ::close(fd);
  return sent;
}

void InstanceGuard::StopListening() {
  stopping_ = true;
  if (wakeFd_ >= 0) {
    const uint64_t one = 1;
    (void)!::write(wakeFd_, &one, sizeof one);
  }
  if (listener_.joinable()) listener_.join();
}

void InstanceGuard::ListenForRequests(std::function<void()> onComeForward) {
  sockaddr_un address;
  if (lockFd_ < 0 || listener_.joinable() || !FillAddress(socketPath_, address)) return;
  ::unlink(socketPath_.c_str());  // left by an owner that died; we hold the lock now
  socketFd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (socketFd_ < 0) return;
  if (::bind(socketFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return;
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC);
  if (wakeFd_ < 0) return;
  stopping_ = false;
  listener_ = std::thread([this, onComeForward = std::move(onComeForward)] {
    while (!stopping_) {
      pollfd waits[2] = {{socketFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
      if (::poll(waits, 2, -1) <= 0 || stopping_) continue;
      if ((waits[0].revents & POLLIN) == 0) continue;
      char buffer[64];
      ssize_t n = ::recv(socketFd_, buffer, sizeof buffer, 0);
      if (n == static_cast<ssize_t>(sizeof kComeForward - 1) &&
          std::memcmp(buffer, kComeForward, static_cast<size_t>(n)) == 0)
        onComeForward();
    }
  });
}

}  // namespace tarvo
