#pragma once
// The line settings of an open tty descriptor, through termios2 so that any
// speed can be asked for (BOTHER). Kept apart from <termios.h>, whose struct
// clashes with the kernel's.
#include <string>

#include "platform/device/SerialPort.h"

namespace tarvo::serial {

// Applies the settings (raw bytes, the given framing and flow control,
// receiver on, modem lines ignored) and reads them back; false, with the
// reason, when the device refuses them or keeps another speed.
bool ApplyLineSettings(int fd, const SerialSettings& settings, std::string* error);

// What the device reports now, for tests.
struct LineState {
  int inputSpeed = 0;
  int outputSpeed = 0;
  int dataBits = 0;
  int stopBits = 0;
  bool parity = false;
  bool xonOutput = false;  // IXON
  bool xonInput = false;   // IXOFF
  bool rtsCts = false;
  bool localLine = false;  // CLOCAL
  bool receiver = false;   // CREAD
  bool canonical = false;
  bool echo = false;
};
bool ReadLineState(int fd, LineState& state);

// Drops input that arrived before now and output not yet sent.
void FlushBoth(int fd);

}  // namespace tarvo::serial
