// The exit while jobs fetch from a server that never answers: every job's
// fetch ends at its stop, long before its 30 s time-outs, and nothing is
// left half-written.
#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "StandInServers.h"
#include "app/BackgroundJobs.h"
#include "net/DownloadToFile.h"
#include "net/HttpFetch.h"
#include "platform/device/FileAccess.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;

TEST(StoppingDuringAFetch, StopAllEndsStalledTransfersWellInsideTheExitBound) {
  testing::TempDir data;
  data.Write("content/tarvo/update.txt", "[Update]\r\nversion=1.15\r\n");
  servers::StandInServers servers;
  servers::ServerOptions options;
  options.dataDir = data.Path();
  options.faults = true;
  std::string error;
  ASSERT_TRUE(servers.Start(options, &error)) << error;
  const WString base = FromUtf8(servers.HttpBase());

  testing::TempDir out;
  out.Write("update.txt", "the last check's list");  // must not pass for the new one
  HostFileAccess files;
  WorkTracker tracker;
  BackgroundJobs jobs(&tracker);
  std::atomic<bool> fetched{true};
  ASSERT_TRUE(jobs.Start("headers-never-come", [&](const StopToken& stop) {
    HttpFetch fetch(base + u"/_fault/stall/tarvo/update.txt", HttpFetchTimeouts{}, stop.FlagPointer());
    fetched = fetch.Succeeded();
  }));
  ASSERT_TRUE(jobs.Start("body-stops-half-way", [&](const StopToken& stop) {
    DownloadToFile(base + u"/_fault/stall-body:10/tarvo/update.txt", files, FromUtf8(out.File("update.txt")),
                   HttpFetchTimeouts{}, stop.FlagPointer());
  }));
  ASSERT_TRUE(servers.WaitForRequests(2, std::chrono::steady_clock::now() + 10s));

  const auto before = std::chrono::steady_clock::now();
  EXPECT_TRUE(jobs.StopAll(BackgroundJobs::kExitBound));
  EXPECT_LT(std::chrono::steady_clock::now() - before, 3500ms);
  EXPECT_FALSE(fetched);
  EXPECT_FALSE(std::filesystem::exists(out.File("update.txt")));
}

}  // namespace
}  // namespace tarvo
