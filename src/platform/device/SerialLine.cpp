#include "platform/device/SerialLine.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <cerrno>
#include <cstring>

// <sys/ioctl.h> would pull in the C library's termios definitions.
extern "C" int ioctl(int fd, unsigned long request, ...);

namespace tarvo::serial {
namespace {

tcflag_t SizeFlag(int dataBits) {
  switch (dataBits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

int DataBitsOf(tcflag_t cflag) {
  switch (cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
  }
}

}  // namespace

bool ApplyLineSettings(int fd, const SerialSettings& settings, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
  };
  if (settings.speed <= 0) return fail("speed " + std::to_string(settings.speed) + " is not a line speed");
  if (settings.dataBits < 5 || settings.dataBits > 8) return fail("data bits must be 5 to 8");
  if (settings.stopBits != 1 && settings.stopBits != 2) return fail("stop bits must be 1 or 2");
  struct termios2 line {};
  if (ioctl(fd, TCGETS2, &line) != 0) return fail(std::string("not a serial line: ") + std::strerror(errno));
  line.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXANY | IXON | IXOFF | INPCK);
  if (settings.parity != SerialParity::None) line.c_iflag |= INPCK;
  if (settings.flow == kFlowXonXoff) line.c_iflag |= IXON | IXOFF;
  line.c_oflag &= ~OPOST;
  line.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  line.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
  line.c_cflag |= SizeFlag(settings.dataBits) | CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT);
  if (settings.stopBits == 2) line.c_cflag |= CSTOPB;
  if (settings.parity != SerialParity::None) line.c_cflag |= PARENB;
  if (settings.parity == SerialParity::Odd) line.c_cflag |= PARODD;
  if (settings.flow == kFlowRtsCts) line.c_cflag |= CRTSCTS;
  line.c_ispeed = static_cast<speed_t>(settings.speed);
  line.c_ospeed = static_cast<speed_t>(settings.speed);
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 0;
  if (ioctl(fd, TCSETS2, &line) != 0)
    return fail(std::string("the line refused the settings: ") + std::strerror(errno));
  struct termios2 back {};
  if (ioctl(fd, TCGETS2, &back) != 0) return fail(std::string("cannot read the settings back: ") + std::strerror(errno));
  if (back.c_ospeed != line.c_ospeed || back.c_ispeed != line.c_ispeed)
    return fail("the line does not take speed " + std::to_string(settings.speed));
  return true;
}

bool ReadLineState(int fd, LineState& state) {
  struct termios2 line {};
  if (ioctl(fd, TCGETS2, &line) != 0) return false;
  state.inputSpeed = static_cast<int>(line.c_ispeed);
  state.outputSpeed = static_cast<int>(line.c_ospeed);
  state.dataBits = DataBitsOf(line.c_cflag);
  state.stopBits = (line.c_cflag & CSTOPB) ? 2 : 1;
  state.parity = (line.c_cflag & PARENB) != 0;
  state.xonOutput = (line.c_iflag & IXON) != 0;
  state.xonInput = (line.c_iflag & IXOFF) != 0;
  state.rtsCts = (line.c_cflag & CRTSCTS) != 0;
  state.localLine = (line.c_cflag & CLOCAL) != 0;
  state.receiver = (line.c_cflag & CREAD) != 0;
  state.canonical = (line.c_lflag & ICANON) != 0;
  state.echo = (line.c_lflag & ECHO) != 0;
  return true;
}

void FlushBoth(int fd) { ioctl(fd, TCFLSH, TCIOFLUSH); }

}  // namespace tarvo::serial
