#pragma once
// The GPS side of the time tool: probing the phone's ports for a receiver,
// and reading "$GPRMC" from one until a valid fix sets the clock.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/device/DeviceClock.h"
#include "platform/device/DeviceProfile.h"

namespace tarvo {

inline constexpr int kProbeSpeed = 4800;
inline constexpr int kProbedPorts = 10;  // "COM0:" to "COM9:"

struct PortProbe {
  std::vector<std::string> opened;  // the ports that opened, in order
  int selected = -1;                // the first that gave a byte, else the first that opened
};

struct ProbeTimings {
  std::chrono::milliseconds settle{1000};     // after opening, before the first read
  std::chrono::milliseconds readWait{150};    // each one-byte read (two per port)
  std::chrono::milliseconds pause{3};         // before each read
};

// Opens COM0: to COM9: at 4800 bit/s and reads a byte from each opened port
// in turn until one gives one; every port is closed again.
PortProbe ProbeComPorts(const DeviceProfile& profile, const std::string& deviceDir,
                        const ProbeTimings& timings = {});

// The port box's text as a port name: a ":" is appended when it has none.
std::string ComPortName(std::string text);

enum class GpsOutcome {
  OpenFailed,  // the port did not open
  TimedOut,    // silence for silenceLimit line reads in a row
  Synced,      // a valid fix set the clock
  SetFailed,   // a valid fix, but the clock could not be set
  Stopped,
};

struct GpsReadOptions {
  // Line reads in a row that gave no line (each about 100 empty 1 ms reads).
  int silenceLimit = 100;
  // A time read from "$GPRMC", as the phone's local time (status A or V).
  std::function<void(const SystemTime& local)> onTime;
};

// Reads the port at speed (8N1, XON/XOFF) until a "$GPRMC" with status A
// sets the clock, silence, or stop.
GpsOutcome ReadGpsTime(const DeviceProfile& profile, const std::string& deviceDir, const std::string& portName,
                       int speed, DeviceClock& clock, const std::atomic<bool>& stop,
                       const GpsReadOptions& options);

// The UTC time as the phone's local time in that zone.
SystemTime LocalFromUtc(const SystemTime& utc, int zoneMinutes);

}  // namespace tarvo
