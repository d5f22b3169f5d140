// Times "tarvo --headless --exit-after-first-frame" at 240x320 with the
// default items as a whole process and prints the median wall time, the
// median CPU time (user + system) and their ratio: a ratio near 1 means the
// start and the exit wait for nothing.
// Usage: tarvo_bench_startup PATH-TO-TARVO [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PATH-TO-TARVO [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  const auto device = std::filesystem::temp_directory_path() / "tarvo-bench-startup";
  std::filesystem::remove_all(device);
  std::string deviceArg = device.string();
  std::vector<std::string> argvText = {argv[1], "--device", deviceArg, "--headless", "--screen",
                                       "240x320", "--exit-after-first-frame"};
  std::vector<char*> args;
  for (auto& arg : argvText) args.push_back(arg.data());
  args.push_back(nullptr);
  std::vector<double> times;
  std::vector<double> cpu;
  for (int i = 0; i <= runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return 1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "run %d failed\n", i);
      return 1;
    }
    // The first run creates the device; it is not counted.
    if (i > 0) {
      times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
      cpu.push_back(ms(usage.ru_utime) + ms(usage.ru_stime));
    }
  }
  std::sort(times.begin(), times.end());
  std::sort(cpu.begin(), cpu.end());
  const double wall = times[times.size() / 2];
  const double busy = cpu[cpu.size() / 2];
  std::printf("tarvo --headless --exit-after-first-frame 240x320: median %.1f ms (min %.1f, max %.1f, %d runs)\n",
              wall, times.front(), times.back(), runs);
  std::printf("CPU time: median %.1f ms; wall / CPU %.2f\n", busy, busy > 0 ? wall / busy : 0.0);
  std::filesystem::remove_all(device);
  return 0;
}
