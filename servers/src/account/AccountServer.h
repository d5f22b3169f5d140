#pragma once
// The stand-in account server: frames over TCP on a loopback port, a thread
// per connection. A declared length that is odd or over 64 KiB closes the
// connection before anything is allocated for it; a frame must be whole
// within the time-out from its first byte; a connection idle for the
// time-out, or one over the cap, is closed. Otherwise it reads until the
// client closes, so that no reply is lost to a reset.
#include <atomic>
#include <chrono>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "account/AccountStore.h"

namespace tarvo::servers {

struct AccountServerOptions {
  std::string bind = "127.0.0.1";
  int port = 28089;  // 0 picks a free one
  std::string databasePath;
  std::string sampleDir;
  std::chrono::milliseconds timeout{30000};
  int maxClients = 512;
};

class AccountServer {
 public:
  AccountServer() = default;
  ~AccountServer() { Stop(); }
  AccountServer(const AccountServer&) = delete;
  AccountServer& operator=(const AccountServer&) = delete;

  bool Start(const AccountServerOptions& options, std::string* error);
  void Stop();
  int Port() const { return port_; }
  int ActiveClients() const { return active_.load(); }
  AccountStore& Store() { return *store_; }

 private:
  struct Connection {
    int fd = -1;
    std::thread thread;
    std::atomic<bool> done{false};
  };
  void AcceptLoop();
  void Serve(Connection& connection);
  void Reap(bool all);

  AccountServerOptions options_;
  std::unique_ptr<AccountStore> store_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> active_{0};
  std::thread acceptor_;
  std::mutex connectionsMutex_;
  std::list<std::unique_ptr<Connection>> connections_;
};

// The default database: $XDG_STATE_HOME/tarvo/accounts.db, or
// ~/.local/state/tarvo/accounts.db.
std::string DefaultAccountDatabase();

}  // namespace tarvo::servers
