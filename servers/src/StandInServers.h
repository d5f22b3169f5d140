#pragma once
// The stand-ins for everything outside the phone, served on loopback: one
// HTTP port for every HTTP stand-in (content server, ...). Tests start them
// in-process on ephemeral ports; tarvo-servers runs them as a program.
#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace tarvo::servers {

struct ServerOptions {
  std::string dataDir;             // holds content/ and the other sample data
  std::string bind = "127.0.0.1";  // loopback only
  int httpPort = 0;                // 0 picks a free port
  bool faults = false;             // add the /_fault/ test paths
};

class StandInServers {
 public:
  StandInServers();
  ~StandInServers();
  StandInServers(const StandInServers&) = delete;
  StandInServers& operator=(const StandInServers&) = delete;

  bool Start(const ServerOptions& options, std::string* error);
  void Stop();
  int HttpPort() const { return httpPort_; }
  std::string HttpBase() const;  // "http://127.0.0.1:PORT"

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int httpPort_ = 0;
  std::string bind_;
};

}  // namespace tarvo::servers
