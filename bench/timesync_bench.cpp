// The time tool against the stand-ins: how far the phone clock is off after
// an HTTP sync and after a GPS fix (30 runs each, median and worst), and the
// CPU time the GPS reader spends on 10 s of a silent port.
// Usage: tarvo_bench_timesync [RUNS]
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GpsSimulator.h"
#include "StandInServers.h"
#include "platform/device/Device.h"
#include "timesync/GpsReader.h"
#include "timesync/HttpTimeSync.h"

namespace {

using namespace tarvo;

int64_t HostNowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

double CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void Report(const char* what, std::vector<double> errors) {
  if (errors.empty()) {
    std::printf("%s: no run succeeded\n", what);
    return;
  }
  std::sort(errors.begin(), errors.end());
  std::printf("%s: clock error median %.0f ms, worst %.0f ms (%zu runs)\n", what, errors[errors.size() / 2],
              errors.back(), errors.size());
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  const auto folder = std::filesystem::temp_directory_path() / "tarvo-bench-timesync";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "data");
  auto device = Device::Open((folder / "phone").string());
  if (!device) return 1;
  // The stand-ins' clocks run an hour ahead; a sync must bring the phone there.
  constexpr int64_t kOffsetSeconds = 3600;

  servers::StandInServers servers;
  servers::ServerOptions options;
  options.dataDir = (folder / "data").string();
  options.timeOffsetSeconds = kOffsetSeconds;
  std::string error;
  if (!servers.Start(options, &error)) {
    std::fprintf(stderr, "servers: %s\n", error.c_str());
    return 1;
  }
  std::vector<double> httpErrors;
  for (int i = 0; i < runs; ++i) {
    device->Clock().SetSystemTime(SystemTimeFromEpochMs(HostNowMs()));
    HttpTimeAnswer answer = FetchHttpTime(TimeServerAddress{"127.0.0.1", servers.HttpPort()}, HttpTimeOptions{});
    if (!answer.utc || !device->Clock().SetSystemTime(*answer.utc)) continue;
    const int64_t truth = HostNowMs() + kOffsetSeconds * 1000;
    httpErrors.push_back(static_cast<double>(std::llabs(device->Clock().NowUtcMs() - truth)));
  }
  Report("HTTP sync", httpErrors);

  servers::GpsSimulator gps;
  servers::GpsOptions gpsOptions;
  gpsOptions.linkPath = (folder / "phone" / "gps-pty").string();
  gpsOptions.offsetSeconds = kOffsetSeconds;
  gpsOptions.interval = std::chrono::milliseconds(100);
  if (!gps.Start(gpsOptions, &error)) {
    std::fprintf(stderr, "gps: %s\n", error.c_str());
    return 1;
  }
  std::vector<double> gpsErrors;
  const std::atomic<bool> stop{false};
  for (int i = 0; i < runs; ++i) {
    const GpsOutcome outcome = ReadGpsTime(device->Profile(), device->HostDirectory(), "COM5:", 4800,
                                           device->Clock(), stop, GpsReadOptions{});
    if (outcome != GpsOutcome::Synced) continue;
    const int64_t truth = HostNowMs() + kOffsetSeconds * 1000;
    gpsErrors.push_back(static_cast<double>(std::llabs(device->Clock().NowUtcMs() - truth)));
  }
  Report("GPS fix", gpsErrors);
  gps.Stop();

  // A port that never speaks: a pty nobody writes to, mapped as COM6:.
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return 1;
  std::filesystem::create_symlink(ptsname(master), folder / "phone" / "silent-pty");
  {
    std::ofstream profile(folder / "phone" / "device.ini", std::ios::app);
    profile << "\n[SerialPorts]\nCOM6:=silent-pty\n";
  }
  auto quiet = Device::Open((folder / "phone").string());
  GpsReadOptions silence;
  silence.silenceLimit = 100;  // about 10 s of silence
  const double cpuBefore = CpuMs();
  const auto wallBefore = std::chrono::steady_clock::now();
  const GpsOutcome outcome =
      ReadGpsTime(quiet->Profile(), quiet->HostDirectory(), "COM6:", 4800, quiet->Clock(), stop, silence);
  const double wall =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore).count();
  std::printf("GPS reader on a silent port: %s after %.0f ms, CPU time %.1f ms\n",
              outcome == GpsOutcome::TimedOut ? "timed out" : "ended otherwise", wall, CpuMs() - cpuBefore);
  close(master);
  std::filesystem::remove_all(folder);
  return 0;
}
