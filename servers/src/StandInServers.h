#pragma once
// The stand-ins for everything outside the phone, served on loopback: one
// HTTP port for every HTTP stand-in (content server, ...). Tests start them
// in-process on ephemeral ports; tarvo-servers runs them as a program.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LoggedRequest.h"

namespace tarvo::servers {

struct ServerOptions {
  std::string dataDir;             // holds content/ and the other sample data
  std::string bind = "127.0.0.1";  // loopback only
  int httpPort = 0;                // 0 picks a free port
  bool faults = false;             // serve /_fault/KIND/... and the /_test/ paths
  std::string requestLogFile;      // when set, one line per request is appended there
  int64_t timeOffsetSeconds = 0;   // the time server's clock: the host clock moved by this
};

class StandInServers {
 public:
  StandInServers();
  ~StandInServers();
  StandInServers(const StandInServers&) = delete;
  StandInServers& operator=(const StandInServers&) = delete;

  // True once the servers accept connections; false, with the reason, when
  // they cannot (a port in use among them).
  bool Start(const ServerOptions& options, std::string* error);
  // Ends every stall at once and returns when the servers have stopped.
  void Stop();
  int HttpPort() const { return httpPort_; }
  std::string HttpBase() const;  // "http://127.0.0.1:PORT"

  // Makes the answers to paths starting with `prefix` misbehave in the way
  // `kind` names (see FaultKinds.h): for the next `count` such requests, or
  // for every one when count is 0 or less. False for an unknown kind.
  bool ArmFault(const std::string& prefix, const std::string& kind, int count = 0,
                std::string* error = nullptr);
  void DisarmFaults();

  // Every request received so far, in order of arrival.
  std::vector<LoggedRequest> Requests() const;
  // True once at least `count` requests have arrived; false at the deadline.
  bool WaitForRequests(size_t count, std::chrono::steady_clock::time_point deadline) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int httpPort_ = 0;
  std::string bind_;
};

}  // namespace tarvo::servers
