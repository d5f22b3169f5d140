// The joke store's start-up load: 500 files of 20 jokes on the device, the
// lead from the stand-in content server, without the pause after the first
// file. Usage: tarvo_bench_jokes [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "StandInServers.h"
#include "jokes/JokeCollection.h"
#include "jokes/JokeJobs.h"
#include "platform/device/Device.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

int main(int argc, char** argv) {
  using namespace tarvo;
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  constexpr int kFiles = 500;
  constexpr int kStep = 20;
  const auto folder = std::filesystem::temp_directory_path() / "tarvo-bench-jokes";
  std::filesystem::remove_all(folder);
  const auto data = folder / "data" / "content" / "xh";
  std::filesystem::create_directories(data);
  std::ofstream(data / "xh00000.txt") << "[Info]\r\nStep=" << kStep << "\r\nEnd=" << kFiles << "\r\n";
  servers::StandInServers servers;
  servers::ServerOptions options;
  options.dataDir = (folder / "data").string();
  std::string error;
  if (!servers.Start(options, &error)) {
    std::fprintf(stderr, "servers: %s\n", error.c_str());
    return 1;
  }
  auto device = Device::Open((folder / "phone").string());
  if (!device) return 1;
  // The files as an earlier sync left them.
  const auto xh = folder / "phone" / "fs" / "Program Files" / "Tarvo" / "xh";
  std::filesystem::create_directories(xh);
  for (int file = 1; file <= kFiles; ++file) {
    WString text;
    for (int joke = 0; joke < kStep; ++joke)
      text += u"#第" + FromUtf8(std::to_string(file)) + u"号文件的第" + FromUtf8(std::to_string(joke)) +
              u"个笑话：一位先生走进商店，问店员有没有不会响的闹钟。\r\n";
    char name[32];
    std::snprintf(name, sizeof name, "xh%05d.txt", file);
    std::ofstream(xh / name, std::ios::binary) << ToCodePage(text, "GBK");
  }
  JokeJobSetup setup;
  setup.files = &device->Files();
  setup.registry = &device->GetRegistry();
  setup.codePage = device->CodePage();
  setup.jokeFolder = u"\\Program Files\\Tarvo\\xh";
  setup.contentServer = FromUtf8(servers.HttpBase());
  setup.firstFilePause = std::chrono::milliseconds(0);
  std::vector<double> times;
  int count = 0;
  for (int run = 0; run < runs; ++run) {
    JokeCollection store;
    StopToken stop;
    const auto start = std::chrono::steady_clock::now();
    JokeJobs(store, setup).LoadJokesAtStartup(stop);
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    count = store.Facts().count;
  }
  std::sort(times.begin(), times.end());
  std::printf("start-up load of %d files x %d jokes: %d jokes, median %.1f ms, worst %.1f ms (%d runs)\n", kFiles,
              kStep, count, times[times.size() / 2], times.back(), runs);
  servers.Stop();
  std::filesystem::remove_all(folder);
  return count == kFiles * kStep ? 0 : 1;
}
