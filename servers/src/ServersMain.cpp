// tarvo-servers: the stand-in servers as a program. Prints "http=PORT" as its
// first line, then serves until interrupted.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "GpsSimulator.h"
#include "account/AccountServer.h"
#include "StandInServers.h"

namespace {

constexpr const char* kUsage =
    "usage: tarvo-servers [--data DIR] [--bind ADDRESS] [--http-port N] [--account-port N] "
    "[--account-db FILE] [--account-timeout-ms N] [--account-max-clients N]\n"
    "       [--faults] [--fault PREFIX=KIND]... [--request-log FILE] [--time-offset SECONDS]\n"
    "       [--gps-link PATH [--gps-offset SECONDS] [--gps-fix-after N] [--gps-talker ID]]\n"
    "  --data DIR        sample data (default: the source tree's servers/data)\n"
    "  --bind ADDRESS    a loopback address (default 127.0.0.1)\n"
    "  --http-port N     port of every HTTP stand-in; 0 picks a free one (default 28080)\n"
    "  --account-port N  port of the account server; 0 picks a free one (default 28089)\n"
    "  --account-db FILE its database (default $XDG_STATE_HOME/tarvo/accounts.db)\n"
    "  --account-timeout-ms N  idle and whole-frame time-out of its connections (default 30000)\n"
    "  --account-max-clients N  connections served at once; more are closed (default 512)\n"
    "  --faults          serve /_fault/KIND/... and the /_test/ paths\n"
    "  --fault PREFIX=KIND  every request whose path starts with PREFIX misbehaves as KIND:\n"
    "                    stall, stall-body:N, reset:N, status:N, garbage, empty, no-length,\n"
    "                    trickle:N:MS, no-date, bad-date (repeatable)\n"
    "  --request-log FILE  append one line per request to FILE\n"
    "  --time-offset SECONDS  the time server's Date runs this far ahead of the host clock\n"
    "  --gps-link PATH   also run a GPS receiver on a pty linked from PATH (prints gps=PTY)\n"
    "  --gps-offset SECONDS  the receiver's UTC runs this far ahead of the host clock\n"
    "  --gps-fix-after N     the first N bursts carry status V (no fix)\n"
    "  --gps-talker ID   the talker of its sentences (default GP)\n";

bool IsLoopback(const std::string& address) {
  return address.rfind("127.", 0) == 0 || address == "localhost" || address == "::1";
}

bool ParsePort(const char* text, int* port) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 65535) return false;
  *port = static_cast<int>(value);
  return true;
}

bool ParseSeconds(const char* text, int64_t* seconds) {
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || errno != 0 || value < -(1LL << 40) || value > (1LL << 40)) return false;
  *seconds = value;
  return true;
}

bool ParsePositive(const char* text, int* value) {
  char* end = nullptr;
  errno = 0;
  long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || errno != 0 || parsed < 1 || parsed > 100000000) return false;
  *value = static_cast<int>(parsed);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  tarvo::servers::ServerOptions options;
  options.dataDir = TARVO_SERVER_DATA_DIR;
  options.httpPort = 28080;
  tarvo::servers::AccountServerOptions account;
  int timeoutMs = 0;
  tarvo::servers::GpsOptions gps;
  std::vector<std::pair<std::string, std::string>> faults;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--faults") {
      options.faults = true;
    } else if (arg == "--fault" && hasValue) {
      const std::string value = argv[++i];
      const size_t equals = value.rfind('=');
      if (equals == std::string::npos || equals == 0) {
        std::fprintf(stderr, "tarvo-servers: --fault takes PREFIX=KIND, not %s\n", value.c_str());
        return 2;
      }
      faults.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    } else if (arg == "--request-log" && hasValue) {
      options.requestLogFile = argv[++i];
    } else if (arg == "--time-offset" && hasValue && ParseSeconds(argv[i + 1], &options.timeOffsetSeconds)) {
      ++i;
    } else if (arg == "--gps-link" && hasValue) {
      gps.linkPath = argv[++i];
    } else if (arg == "--gps-offset" && hasValue && ParseSeconds(argv[i + 1], &gps.offsetSeconds)) {
      ++i;
    } else if (arg == "--gps-fix-after" && hasValue && ParsePort(argv[i + 1], &gps.fixAfter)) {
      ++i;
    } else if (arg == "--gps-talker" && hasValue && std::strlen(argv[i + 1]) == 2) {
      gps.talker = argv[++i];
    } else if (arg == "--data" && hasValue) {
      options.dataDir = argv[++i];
    } else if (arg == "--bind" && hasValue) {
      options.bind = argv[++i];
    } else if (arg == "--http-port" && hasValue && ParsePort(argv[i + 1], &options.httpPort)) {
      ++i;
    } else if (arg == "--account-port" && hasValue && ParsePort(argv[i + 1], &account.port)) {
      ++i;
    } else if (arg == "--account-db" && hasValue) {
      account.databasePath = argv[++i];
    } else if (arg == "--account-timeout-ms" && hasValue && ParsePositive(argv[i + 1], &timeoutMs)) {
      account.timeout = std::chrono::milliseconds(timeoutMs);
      ++i;
    } else if (arg == "--account-max-clients" && hasValue && ParsePositive(argv[i + 1], &account.maxClients)) {
      ++i;
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (!IsLoopback(options.bind)) {
    std::fprintf(stderr, "tarvo-servers: binds to loopback addresses only, not %s\n",
                 options.bind.c_str());
    return 2;
  }
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);  // every server thread inherits this

  tarvo::servers::StandInServers servers;
  std::string error;
  for (const auto& [prefix, kind] : faults) {
    if (!servers.ArmFault(prefix, kind, 0, &error)) {
      std::fprintf(stderr, "tarvo-servers: --fault %s=%s: %s\n", prefix.c_str(), kind.c_str(), error.c_str());
      return 2;
    }
  }
  std::error_code missing;
  if (!std::filesystem::is_directory(options.dataDir + "/content", missing))
    std::fprintf(stderr, "tarvo-servers: warning: no data folder at %s/content; every content path answers 404\n",
                 options.dataDir.c_str());
  if (!servers.Start(options, &error)) {
    std::fprintf(stderr, "tarvo-servers: %s\n", error.c_str());
    return 1;
  }
  std::printf("http=%d\n", servers.HttpPort());
  account.bind = options.bind == "localhost" ? "127.0.0.1" : options.bind;
  account.sampleDir = options.dataDir + "/account";
  tarvo::servers::AccountServer accounts;
  if (!accounts.Start(account, &error)) {
    std::fprintf(stderr, "tarvo-servers: %s\n", error.c_str());
    servers.Stop();
    return 1;
  }
  std::printf("account=%d\n", accounts.Port());
  tarvo::servers::GpsSimulator receiver;
  if (!gps.linkPath.empty()) {
    if (!receiver.Start(gps, &error)) {
      std::fprintf(stderr, "tarvo-servers: GPS receiver: %s\n", error.c_str());
      servers.Stop();
      return 1;
    }
    std::printf("gps=%s\n", receiver.SlavePath().c_str());
  }
  std::fflush(stdout);
  int received = 0;
  sigwait(&signals, &received);
  receiver.Stop();
  accounts.Stop();
  servers.Stop();
  return 0;
}
