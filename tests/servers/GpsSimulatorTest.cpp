#include "GpsSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ctime>

#include "NmeaSentences.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;

// Lines read from the slave until `count` have come or the deadline passed.
std::vector<std::string> ReadLines(const std::string& path, size_t count) {
  std::vector<std::string> lines;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return lines;
  std::string pending;
  const auto deadline = std::chrono::steady_clock::now() + 3s;
  while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, 50) <= 0) continue;
    char buffer[512];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got <= 0) continue;
    pending.append(buffer, static_cast<size_t>(got));
    for (size_t end; (end = pending.find("\r\n")) != std::string::npos;) {
      lines.push_back(pending.substr(0, end));
      pending.erase(0, end + 2);
    }
  }
  ::close(fd);
  return lines;
}

std::string Field(const std::string& line, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) start = line.find(',', start) + 1;
  return line.substr(start, line.find(',', start) - start);
}

bool ChecksumHolds(const std::string& line) {
  const size_t star = line.rfind('*');
  if (line.empty() || line[0] != '$' || star == std::string::npos) return false;
  unsigned sum = 0;
  for (size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned char>(line[i]);
  return std::stoul(line.substr(star + 1), nullptr, 16) == sum;
}

TEST(NmeaSentences, ChecksumIsTheXorOfTheBody) {
  EXPECT_EQ(NmeaSentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"),
            "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
}

TEST(NmeaSentences, RmcCarriesTimeStatusAndDate) {
  // 2094-03-23 12:35:19 UTC
  const std::string rmc = RmcSentence("GP", 3920186119, 0, true);
  EXPECT_EQ(Field(rmc, 0), "$GPRMC");
  EXPECT_EQ(Field(rmc, 1), "123519.000");
  EXPECT_EQ(Field(rmc, 2), "A");
  EXPECT_EQ(Field(rmc, 9), "230394");
  EXPECT_EQ(Field(RmcSentence("GN", 0, 5, false), 2), "V");
}

TEST(GpsSimulator, SendsGgaAndRmcBurstsWithVUntilTheFixThenA) {
  tarvo::testing::TempDir dir;
  GpsSimulator gps;
  GpsOptions options;
  options.linkPath = dir.File("gps-pty");
  options.fixAfter = 2;
  options.offsetSeconds = 86400;
  options.interval = 20ms;
  std::string error;
  ASSERT_TRUE(gps.Start(options, &error)) << error;
  const auto lines = ReadLines(options.linkPath, 12);
  ASSERT_GE(lines.size(), 12u);
  int valid = 0, invalid = 0;
  for (const std::string& line : lines) {
    EXPECT_TRUE(ChecksumHolds(line)) << line;
    const std::string kind = Field(line, 0);
    EXPECT_TRUE(kind == "$GPGGA" || kind == "$GPRMC") << line;
    if (kind != "$GPRMC") continue;
    (Field(line, 2) == "A" ? valid : invalid)++;
    if (Field(line, 2) == "A") EXPECT_EQ(invalid, 2) << "V only for the first two bursts";
  }
  EXPECT_GT(valid, 0);
  // The date is the host's UTC day moved by the offset.
  const std::time_t tomorrow = std::time(nullptr) + 86400;
  std::tm utc{};
  gmtime_r(&tomorrow, &utc);
  char date[8];
  std::strftime(date, sizeof date, "%d%m%y", &utc);
  EXPECT_EQ(Field(lines.back().substr(0, 6) == "$GPRMC" ? lines.back() : lines[lines.size() - 2], 9), date);
}

TEST(GpsSimulator, TalkerIsChosenAndTheLinkGoesAtStop) {
  tarvo::testing::TempDir dir;
  GpsOptions options;
  options.linkPath = dir.File("gps-pty");
  options.talker = "GN";
  options.interval = 20ms;
  {
    GpsSimulator gps;
    std::string error;
    ASSERT_TRUE(gps.Start(options, &error)) << error;
    const auto lines = ReadLines(options.linkPath, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Field(lines[0], 0).substr(0, 3), "$GN");
  }
  struct stat gone {};
  EXPECT_NE(::lstat(options.linkPath.c_str(), &gone), 0);
}

TEST(GpsSimulator, NobodyReadingNeverBlocksItsBursts) {
  GpsSimulator gps;
  GpsOptions options;
  options.interval = 1ms;
  std::string error;
  ASSERT_TRUE(gps.Start(options, &error)) << error;
  // Far more than a pty buffer holds.
  const auto deadline = std::chrono::steady_clock::now() + 3s;
  while (gps.Bursts() < 400 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  EXPECT_GE(gps.Bursts(), 400);
  const auto start = std::chrono::steady_clock::now();
  gps.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
}

TEST(GpsSimulator, AnExistingFileIsNeverReplacedByTheLink) {
  tarvo::testing::TempDir dir;
  dir.Write("gps-pty", "keep");
  GpsSimulator gps;
  GpsOptions options;
  options.linkPath = dir.File("gps-pty");
  std::string error;
  EXPECT_FALSE(gps.Start(options, &error));
  EXPECT_NE(error.find("not a symbolic link"), std::string::npos) << error;
  EXPECT_EQ(dir.Read("gps-pty"), "keep");
}

}  // namespace
}  // namespace tarvo::servers
