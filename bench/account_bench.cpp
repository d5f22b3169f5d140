// The account server under load on loopback: logins per second with their
// p50 and p99 at 1, 16, 64 and 256 clients, and uploads per second with 1
// and 64 clients, the database on disk. Each level runs at most 3 s or 50 000
// exchanges. Every exchange is the program's own: a connection, the hello
// and the login (or the upload), as the phone makes it.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <string>
#include <thread>
#include <vector>

#include "account/AccountServer.h"
#include "jokes/AccountExchange.h"
#include "net/AccountSocket.h"
#include "platform/text/Utf8.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using namespace tarvo;

constexpr auto kLevelTime = 3s;
constexpr int kLevelExchanges = 50000;

struct Result {
  int exchanges = 0;
  int failures = 0;
  double seconds = 0;
  double p50Ms = 0, p99Ms = 0;
};

template <typename Exchange>
Result RunLevel(int clients, Exchange exchange) {
  std::atomic<int> started{0};
  std::atomic<int> failures{0};
  std::vector<std::vector<double>> latencies(clients);
  auto begin = Clock::now();
  auto until = begin + kLevelTime;
  std::vector<std::thread> threads;
  for (int c = 0; c < clients; ++c) {
    threads.emplace_back([&, c] {
      for (int i = 0; Clock::now() < until && started.fetch_add(1) < kLevelExchanges; ++i) {
        auto t0 = Clock::now();
        if (!exchange(c, i)) ++failures;
        latencies[c].push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
      }
    });
  }
  for (auto& thread : threads) thread.join();
  Result result;
  result.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
  std::vector<double> all;
  for (auto& each : latencies) all.insert(all.end(), each.begin(), each.end());
  std::sort(all.begin(), all.end());
  result.exchanges = static_cast<int>(all.size());
  result.failures = failures;
  if (!all.empty()) {
    result.p50Ms = all[all.size() / 2];
    result.p99Ms = all[std::min(all.size() - 1, all.size() * 99 / 100)];
  }
  return result;
}

}  // namespace

int main() {
  auto folder = std::filesystem::temp_directory_path() / ("tarvo-account-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  servers::AccountServerOptions options;
  options.port = 0;
  options.databasePath = (folder / "accounts.db").string();
  options.timeout = 10s;
  servers::AccountServer server;
  std::string error;
  if (!server.Start(options, &error)) {
    std::fprintf(stderr, "account_bench: %s\n", error.c_str());
    return 1;
  }
  const std::string address = "127.0.0.1:" + std::to_string(server.Port());
  AccountExchangeSettings settings;
  settings.stepTimeout = 10s;
  settings.pollSlice = 100ms;
  AccountStreamOpener open = [&]() -> std::unique_ptr<ByteStream> {
    auto socket = std::make_unique<AccountSocket>(settings.stepTimeout);
    if (!socket->Open(address)) return nullptr;
    return socket;
  };
  // One registered account per client slot of the largest level.
  for (int c = 0; c < 256; ++c) {
    Login(open, {FromUtf8("bench" + std::to_string(c)), u"pw123", {}, u""}, settings);
  }
  std::printf("%-8s %8s %10s %9s %9s %9s\n", "what", "clients", "per s", "p50 ms", "p99 ms", "failed");
  for (int clients : {1, 16, 64, 256}) {
    Result r = RunLevel(clients, [&](int c, int) {
      return Login(open, {FromUtf8("bench" + std::to_string(c)), u"pw123", {}, u""}, settings).loggedIn();
    });
    std::printf("%-8s %8d %10.0f %9.2f %9.2f %9d\n", "login", clients, r.exchanges / r.seconds, r.p50Ms,
                r.p99Ms, r.failures);
  }
  for (int clients : {1, 64}) {
    Result r = RunLevel(clients, [&](int c, int i) {
      UploadOutcome outcome = Upload(open,
                                     {u"标题", u"其他", FromUtf8("joke " + std::to_string(i)),
                                      FromUtf8("bench" + std::to_string(c))},
                                     settings);
      return outcome.result == 0;
    });
    std::printf("%-8s %8d %10.0f %9.2f %9.2f %9d\n", "upload", clients, r.exchanges / r.seconds, r.p50Ms,
                r.p99Ms, r.failures);
  }
  server.Stop();
  std::filesystem::remove_all(folder);
  return 0;
}
