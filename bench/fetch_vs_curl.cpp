// Times "tarvo-probe fetch URL" against "curl -s URL -o /dev/null" as whole
// processes on the same 1 MB page from the stand-in servers, alternating,
// and prints the medians. Usage: tarvo_bench_fetch PATH-TO-TARVO-PROBE [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "StandInServers.h"

extern char** environ;

namespace {

double RunMs(std::vector<std::string> argv) {
  std::vector<char*> args;
  for (auto& arg : argv) args.push_back(arg.data());
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PATH-TO-TARVO-PROBE [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  const auto data = std::filesystem::temp_directory_path() / "tarvo-bench-fetch";
  std::filesystem::create_directories(data / "content");
  {
    std::ofstream page(data / "content" / "page.html", std::ios::binary);
    for (int i = 0; i < (1 << 20) / 64; ++i) page << "<div class=\"v\">line " << i << " of text to fetch...</div>\n";
  }
  tarvo::servers::ServerOptions options;
  options.dataDir = data.string();
  tarvo::servers::StandInServers servers;
  std::string error;
  if (!servers.Start(options, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const std::string url = servers.HttpBase() + "/page.html";
  std::vector<double> probe, curl;
  for (int i = 0; i < runs; ++i) {
    probe.push_back(RunMs({argv[1], "fetch", url}));
    curl.push_back(RunMs({"curl", "-s", url, "-o", "/dev/null"}));
    if (probe.back() < 0 || curl.back() < 0) {
      std::fprintf(stderr, "a run failed\n");
      return 1;
    }
  }
  const double p = Median(probe), c = Median(curl);
  std::printf("1 MB page, %d runs each, alternating\n", runs);
  std::printf("tarvo-probe fetch: median %.2f ms\ncurl -s:           median %.2f ms\nratio: %.3f\n", p, c,
              p / c);
  std::filesystem::remove_all(data);
  return 0;
}
