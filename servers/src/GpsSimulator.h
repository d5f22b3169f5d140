#pragma once
// A GPS receiver on a pseudo terminal: once a second a "GGA" and an "RMC"
// sentence with the host's UTC time (moved by an offset), status V for the
// first bursts, then A. It holds the slave side open so that a port opening
// and closing it never ends the link, and never blocks on a full line: a
// burst nobody reads is dropped. A symbolic link names the slave for the
// device's [SerialPorts]; it is removed when the simulator stops.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace tarvo::servers {

struct GpsOptions {
  std::string linkPath;                 // the symbolic link made to the slave; empty: none
  int64_t offsetSeconds = 0;            // added to the host's UTC time
  int fixAfter = 0;                     // bursts with status V before the first A
  std::string talker = "GP";            // "GP", "GN", ...
  std::chrono::milliseconds interval{1000};
};

class GpsSimulator {
 public:
  GpsSimulator();
  ~GpsSimulator();
  GpsSimulator(const GpsSimulator&) = delete;
  GpsSimulator& operator=(const GpsSimulator&) = delete;

  // Makes the pty and the link and starts sending; false, with the reason,
  // when that fails (a link path that is something other than a symbolic
  // link is never replaced).
  bool Start(const GpsOptions& options, std::string* error);
  void Stop();
  const std::string& SlavePath() const { return slavePath_; }
  // Bursts sent so far (also those nobody read).
  int Bursts() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string slavePath_;
};

}  // namespace tarvo::servers
