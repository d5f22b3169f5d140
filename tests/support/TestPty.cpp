#include "support/TestPty.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace tarvo::testing {

TestPty::TestPty() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    ADD_FAILURE() << "no pseudo terminal";
    return;
  }
  char name[128] = {};
  if (::ptsname_r(master_, name, sizeof name) != 0) {
    ADD_FAILURE() << "no pseudo terminal name";
    return;
  }
  slavePath_ = name;
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

TestPty::~TestPty() {
  if (heldSlave_ >= 0) ::close(heldSlave_);
  if (master_ >= 0) ::close(master_);
}

bool TestPty::Send(std::string_view bytes) {
  return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

std::string TestPty::Receive(std::chrono::milliseconds wait) {
  std::string got;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (true) {
    char buffer[256];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0) {
      got.append(buffer, static_cast<size_t>(n));
      continue;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return got;
    pollfd ready{master_, POLLIN, 0};
    ::poll(&ready, 1, static_cast<int>(left.count()));
  }
}

int TestPty::HoldSlave() {
  if (heldSlave_ < 0) heldSlave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  return heldSlave_;
}

}  // namespace tarvo::testing
