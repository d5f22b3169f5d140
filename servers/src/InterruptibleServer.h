#pragma once
// The HTTP server with a connection loop of its own: every wait on a client
// (for the next request, for more of a request, for room to send) also waits
// for Interrupt(), so that stopping never waits on an idle or stalled client.
#include <httplib.h>

namespace tarvo::servers {

class InterruptibleServer : public httplib::Server {
 public:
  InterruptibleServer();
  ~InterruptibleServer() override;
  // Ends every connection's waits at once, for good.
  void Interrupt();

 private:
  bool process_and_close_socket(socket_t sock) override;
  int stopFd_ = -1;
};

}  // namespace tarvo::servers
