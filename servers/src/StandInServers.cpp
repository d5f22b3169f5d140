#include "StandInServers.h"

#include <httplib.h>

#include <chrono>
#include <ctime>

#include "ContentRoutes.h"
#include "FaultRoutes.h"
#include "HttpDate.h"

namespace tarvo::servers {

struct StandInServers::Impl {
  httplib::Server http;
  std::thread thread;
  std::atomic<bool> stopping{false};
};

StandInServers::StandInServers() : impl_(std::make_unique<Impl>()) {}

StandInServers::~StandInServers() { Stop(); }

std::string StandInServers::HttpBase() const {
  return "http://" + bind_ + ":" + std::to_string(httpPort_);
}

bool StandInServers::Start(const ServerOptions& options, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
  };
  if (impl_->thread.joinable()) return fail("already running");
  bind_ = options.bind;
  httplib::Server& http = impl_->http;
  // The stall paths hold a worker each; keep enough of them for the rest.
  http.new_task_queue = [] { return new httplib::ThreadPool(16); };
  http.set_post_routing_handler([](const httplib::Request&, httplib::Response& response) {
    response.set_header("Date", HttpDate(std::time(nullptr)));
  });
  if (options.faults) AddFaultRoutes(http, impl_->stopping);
  AddContentRoutes(http, options.dataDir + "/content");  // last: it takes every other path
  if (options.httpPort == 0) {
    httpPort_ = http.bind_to_any_port(options.bind.c_str());
    if (httpPort_ <= 0) return fail("cannot bind an HTTP port on " + options.bind);
  } else {
    if (!http.bind_to_port(options.bind.c_str(), options.httpPort))
      return fail("cannot bind " + options.bind + ":" + std::to_string(options.httpPort));
    httpPort_ = options.httpPort;
  }
  impl_->thread = std::thread([&http] { http.listen_after_bind(); });
  // Stop() only reaches a server whose accept loop runs: wait for it.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!http.is_running() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return true;
}

void StandInServers::Stop() {
  if (!impl_->thread.joinable()) return;
  impl_->stopping = true;
  impl_->http.stop();
  impl_->thread.join();
}

}  // namespace tarvo::servers
