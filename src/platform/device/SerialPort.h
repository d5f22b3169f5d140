#pragma once
// A phone serial port ("COM5:") on the host device or pty that the profile's
// [SerialPorts] section maps it to. Only listed names open: the name is a key,
// never a host path. The port is held exclusively (TIOCEXCL and flock) until
// it is closed.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/device/DeviceProfile.h"

namespace tarvo {

enum class SerialParity { None = 0, Odd = 1, Even = 2 };
// Flow modes as the phone's port routine numbers them: anything other than
// 0 and 1 means no flow control.
inline constexpr int kFlowXonXoff = 0;
inline constexpr int kFlowRtsCts = 1;

struct SerialSettings {
  int speed = 4800;  // bits per second; any positive rate the device takes
  int dataBits = 8;  // 5 to 8
  int stopBits = 1;  // 1 or 2
  SerialParity parity = SerialParity::None;
  int flow = kFlowXonXoff;
};

class SerialPort {
 public:
  // Opens the host device: read and write, no controlling terminal, the
  // settings applied and read back, DTR and RTS raised, stale input dropped.
  // nullptr, with the reason, when any of that fails.
  static std::unique_ptr<SerialPort> OpenHost(const std::string& hostPath, const SerialSettings& settings,
                                              std::string* error = nullptr);
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // One byte, waiting at most `wait` for it (zero: only what is already there).
  std::optional<uint8_t> ReadByte(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
  // Writes all of bytes within `wait`; false when that fails.
  bool Write(std::string_view bytes, std::chrono::milliseconds wait = std::chrono::milliseconds(1000));
  int Descriptor() const { return fd_; }

 private:
  explicit SerialPort(int fd) : fd_(fd) {}
  int fd_;
};

// The host path a phone port name maps to in [SerialPorts] (the name matched
// without regard to case); a relative path lies under deviceDir. nullopt for
// a name that is not listed.
std::optional<std::string> SerialPortHostPath(const DeviceProfile& profile, const std::string& deviceDir,
                                              std::string_view portName);

// The phone's port routine: the listed port at speed, with the data bits,
// stop bits, parity and flow mode given. nullptr when the name is not listed
// or the port does not open with these settings.
std::unique_ptr<SerialPort> OpenComPort(const DeviceProfile& profile, const std::string& deviceDir,
                                        std::string_view portName, int speed, int dataBits = 8,
                                        int stopBits = 1, SerialParity parity = SerialParity::None,
                                        int flow = kFlowXonXoff, std::string* error = nullptr);

}  // namespace tarvo
