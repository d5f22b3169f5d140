#include "platform/device/SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/device/HostFiles.h"
#include "platform/device/SerialLine.h"

namespace tarvo {
namespace {

constexpr char kSection[] = "SerialPorts";

int WaitMs(std::chrono::milliseconds wait) {
  return static_cast<int>(std::max<int64_t>(0, std::min<int64_t>(wait.count(), 1 << 30)));
}

}  // namespace

std::unique_ptr<SerialPort> SerialPort::OpenHost(const std::string& hostPath, const SerialSettings& settings,
                                                 std::string* error) {
  auto fail = [&](const std::string& why) -> std::unique_ptr<SerialPort> {
    if (error != nullptr) *error = hostPath + ": " + why;
    return nullptr;
  };
  if (settings.speed <= 0) return fail("speed " + std::to_string(settings.speed) + " is not a line speed");
  const int fd = ::open(hostPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail(std::strerror(errno));
  // From here on the port object closes the descriptor (and clears the
  // exclusive mode it may have set).
  std::unique_ptr<SerialPort> port(new SerialPort(fd));
  if (!::isatty(fd)) return fail("not a serial line");
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail("the port is in use");
  if (::ioctl(fd, TIOCEXCL) != 0) return fail(std::string("cannot hold the port: ") + std::strerror(errno));
  std::string why;
  if (!serial::ApplyLineSettings(fd, settings, &why)) return fail(why);
  int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd, TIOCMBIS, &lines);  // a pty has no modem lines: not a failure
  serial::FlushBoth(fd);
  return port;
}

SerialPort::~SerialPort() {
  // The exclusive mode belongs to the tty, not to this descriptor.
  ::ioctl(fd_, TIOCNXCL);
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
}

std::optional<uint8_t> SerialPort::ReadByte(std::chrono::milliseconds wait) {
  uint8_t byte = 0;
  const ssize_t got = ::read(fd_, &byte, 1);
  if (got == 1) return byte;
  if (wait.count() <= 0) return std::nullopt;
  pollfd ready{fd_, POLLIN, 0};
  if (::poll(&ready, 1, WaitMs(wait)) <= 0 || (ready.revents & POLLIN) == 0) return std::nullopt;
  if (::read(fd_, &byte, 1) == 1) return byte;
  return std::nullopt;
}

bool SerialPort::Write(std::string_view bytes, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
    if (put > 0) {
      bytes.remove_prefix(static_cast<size_t>(put));
      continue;
    }
    if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd ready{fd_, POLLOUT, 0};
    ::poll(&ready, 1, WaitMs(left));
  }
  return true;
}

std::optional<std::string> SerialPortHostPath(const DeviceProfile& profile, const std::string& deviceDir,
                                              std::string_view portName) {
  if (portName.empty()) return std::nullopt;
  auto mapped = profile.Get(kSection, portName);
  if (!mapped || mapped->empty()) return std::nullopt;
  if ((*mapped)[0] == '/') return *mapped;
  return host::Join(deviceDir, *mapped);
}

std::unique_ptr<SerialPort> OpenComPort(const DeviceProfile& profile, const std::string& deviceDir,
                                        std::string_view portName, int speed, int dataBits, int stopBits,
                                        SerialParity parity, int flow, std::string* error) {
  auto path = SerialPortHostPath(profile, deviceDir, portName);
  if (!path) {
    if (error != nullptr) *error = std::string(portName) + ": not a port of this phone";
    return nullptr;
  }
  SerialSettings settings;
  settings.speed = speed;
  settings.dataBits = dataBits;
  settings.stopBits = stopBits;
  settings.parity = parity;
  settings.flow = flow;
  return SerialPort::OpenHost(*path, settings, error);
}

}  // namespace tarvo
