#include "StandInServers.h"

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "ArmedFaults.h"
#include "ContentRoutes.h"
#include "FaultDelivery.h"
#include "InterruptibleServer.h"
#include "RequestLog.h"
#include "StopSignal.h"
#include "TestRoutes.h"
#include "TimeRoute.h"
#include "TvRoutes.h"
#include "hot/HotRoutes.h"
#include "soku/SokuRoutes.h"
#include "youku/YoukuRoutes.h"
#include "WapGateway.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartWait = 5s;

// The library adds these to a request's headers; the client never sent them.
bool AddedByTheLibrary(const std::string& name) {
  return name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT";
}

LoggedRequest Logged(const httplib::Request& request) {
  LoggedRequest logged{UtcTimestamp(std::chrono::system_clock::now()), request.method, request.target, {}};
  for (const auto& [name, value] : request.headers)
    if (!AddedByTheLibrary(name)) logged.headers.emplace_back(name, value);
  return logged;
}

// Reuse of an address in TIME_WAIT, but never a second listener on a port
// (the library's default options would allow that with SO_REUSEPORT).
void ListenSocketOptions(int socket) {
  int yes = 1;
  setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

}  // namespace

struct StandInServers::Impl {
  std::unique_ptr<InterruptibleServer> http;
  std::thread thread;
  std::atomic<bool> listenEnded{false};
  StopSignal stop;
  ArmedFaults faults;
  RequestLog log;
  ServerOptions options;
  int port = 0;

  void Answer(const httplib::Request& request, httplib::Response& response) {
    std::string path = request.path;
    const size_t question = request.target.find('?');
    std::string query = question == std::string::npos ? "" : request.target.substr(question + 1);
    if (auto proxied = ParseAbsoluteTarget(request.target)) {
      if (RouteThroughGateway(*proxied, {options.bind, "127.0.0.1", "localhost"}, port) == GatewayRoute::Refused)
        return Deliver(ErrorPage(502), std::nullopt, response, stop);
      path = proxied->path;
      query = proxied->query;
    }
    std::optional<FaultKind> fault;
    if (auto url = options.faults ? SplitFaultUrl(path) : std::nullopt) {
      std::string error;
      fault = ParseFaultKind(url->kind, &error);
      if (!fault) {
        servers::Answer bad = ErrorPage(400);
        bad.body += "\n<p>" + error + "</p>";
        return Deliver(bad, std::nullopt, response, stop);
      }
      path = url->rest;
    } else {
      fault = faults.Take(path);
    }
    auto test = options.faults ? TestAnswer(Logged(request), path, query) : std::nullopt;
    const std::string base = "http://" + request.get_header_value("Host");
    if (!test) test = TvAnswer(options.dataDir, base, path);
    if (!test) test = HotAnswer(options.dataDir, base, path, query);
    if (!test) test = SokuAnswer(options.dataDir, base, path, query);
    if (!test) test = YoukuAnswer(options.dataDir, base, path, request.target, query);
    Deliver(test ? *test
            : path == kTimePath ? TimeAnswer(options.timeOffsetSeconds)
                                : ContentAnswer(options.dataDir + "/content", path, query, base),
            fault, response, stop);
  }
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
  if (!options.requestLogFile.empty() && !impl_->log.WriteTo(options.requestLogFile, error)) return false;
  impl_->options = options;
  impl_->stop.Reset();
  impl_->listenEnded = false;
  bind_ = options.bind;
  impl_->http = std::make_unique<InterruptibleServer>();
  httplib::Server& http = *impl_->http;
  // Stalls hold a worker each; keep enough of them for the rest.
  http.new_task_queue = [] { return new httplib::ThreadPool(32); };
  http.set_socket_options(ListenSocketOptions);
  http.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
    impl_->log.Add(Logged(request));
    return httplib::Server::HandlerResponse::Unhandled;
  });
  http.Get(R"(/.*)", [this](const httplib::Request& request, httplib::Response& response) {
    impl_->Answer(request, response);
  });
  // Absolute URIs: requests through the WAP gateway.
  http.Get(R"([hH][tT][tT][pP]://.*)", [this](const httplib::Request& request, httplib::Response& response) {
    impl_->Answer(request, response);
  });
  errno = 0;
  const int port = options.httpPort == 0 ? http.bind_to_any_port(options.bind)
                                         : (http.bind_to_port(options.bind, options.httpPort) ? options.httpPort : -1);
  if (port <= 0) {
    const int cause = errno;
    const std::string where = options.bind + ":" + std::to_string(options.httpPort);
    if (cause == EADDRINUSE) return fail("cannot listen on " + where + ": the port is in use");
    return fail("cannot listen on " + where + (cause != 0 ? std::string(": ") + std::strerror(cause) : ""));
  }
  httpPort_ = port;
  impl_->port = port;
  impl_->thread = std::thread([this] {
    impl_->http->listen_after_bind();
    impl_->listenEnded = true;
  });
  // Stop() only reaches a server whose accept loop runs: wait for it.
  const auto deadline = std::chrono::steady_clock::now() + kStartWait;
  while (!http.is_running() && !impl_->listenEnded && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(1ms);
  if (!http.is_running() || impl_->listenEnded) {
    Stop();
    return fail("the HTTP server on " + HttpBase() + " did not start");
  }
  return true;
}

void StandInServers::Stop() {
  if (!impl_->thread.joinable()) return;
  impl_->stop.Raise();
  impl_->http->Interrupt();
  impl_->http->stop();
  impl_->thread.join();
}

bool StandInServers::ArmFault(const std::string& prefix, const std::string& kind, int count,
                              std::string* error) {
  auto parsed = ParseFaultKind(kind, error);
  if (!parsed) return false;
  impl_->faults.Arm(prefix, *parsed, count);
  return true;
}

void StandInServers::DisarmFaults() { impl_->faults.Clear(); }

std::vector<LoggedRequest> StandInServers::Requests() const { return impl_->log.Requests(); }

bool StandInServers::WaitForRequests(size_t count, std::chrono::steady_clock::time_point deadline) const {
  return impl_->log.WaitFor(count, deadline);
}

}  // namespace tarvo::servers
