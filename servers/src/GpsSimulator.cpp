#include "GpsSimulator.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include "NmeaSentences.h"
#include "StopSignal.h"

namespace tarvo::servers {

struct GpsSimulator::Impl {
  GpsOptions options;
  int master = -1;
  int slave = -1;
  bool linked = false;
  StopSignal stop;
  std::thread thread;
  std::atomic<int> bursts{0};

  void Send(const std::string& bytes) const {
    // Non-blocking: a full line drops the rest of the burst.
    size_t offset = 0;
    while (offset < bytes.size()) {
      const ssize_t put = ::write(master, bytes.data() + offset, bytes.size() - offset);
      if (put <= 0) return;
      offset += static_cast<size_t>(put);
    }
  }

  void Run() {
    do {
      using namespace std::chrono;
      const int64_t nowMs = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() +
                            options.offsetSeconds * 1000;
      const std::time_t utc = static_cast<std::time_t>(nowMs / 1000);
      const int ms = static_cast<int>(nowMs % 1000);
      const bool fix = bursts.load() >= options.fixAfter;
      Send(GgaSentence(options.talker, utc, ms, fix) + RmcSentence(options.talker, utc, ms, fix));
      ++bursts;
    } while (!stop.WaitFor(options.interval));
  }

  void Close() {
    if (linked) ::unlink(options.linkPath.c_str());
    linked = false;
    if (slave >= 0) ::close(slave);
    if (master >= 0) ::close(master);
    slave = master = -1;
  }
};

GpsSimulator::GpsSimulator() : impl_(std::make_unique<Impl>()) {}

GpsSimulator::~GpsSimulator() { Stop(); }

bool GpsSimulator::Start(const GpsOptions& options, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    impl_->Close();
    return false;
  };
  if (impl_->thread.joinable()) return fail("already running");
  impl_->options = options;
  impl_->master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (impl_->master < 0 || ::grantpt(impl_->master) != 0 || ::unlockpt(impl_->master) != 0)
    return fail(std::string("no pseudo terminal: ") + std::strerror(errno));
  char name[128] = {};
  if (::ptsname_r(impl_->master, name, sizeof name) != 0) return fail("no pseudo terminal name");
  slavePath_ = name;
  ::fcntl(impl_->master, F_SETFL, ::fcntl(impl_->master, F_GETFL) | O_NONBLOCK);
  impl_->slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (impl_->slave < 0) return fail(std::string("cannot hold ") + name + ": " + std::strerror(errno));
  // Raw, without echo, until a port sets the line up its own way.
  termios line{};
  if (::tcgetattr(impl_->slave, &line) == 0) {
    ::cfmakeraw(&line);
    ::tcsetattr(impl_->slave, TCSANOW, &line);
  }
  if (!options.linkPath.empty()) {
    struct stat existing {};
    if (::lstat(options.linkPath.c_str(), &existing) == 0) {
      if (!S_ISLNK(existing.st_mode)) return fail(options.linkPath + " exists and is not a symbolic link");
      ::unlink(options.linkPath.c_str());
    }
    if (::symlink(name, options.linkPath.c_str()) != 0)
      return fail("cannot make " + options.linkPath + ": " + std::strerror(errno));
    impl_->linked = true;
  }
  impl_->stop.Reset();
  impl_->thread = std::thread([this] { impl_->Run(); });
  return true;
}

void GpsSimulator::Stop() {
  if (impl_->thread.joinable()) {
    impl_->stop.Raise();
    impl_->thread.join();
  }
  impl_->Close();
}

int GpsSimulator::Bursts() const { return impl_->bursts.load(); }

}  // namespace tarvo::servers
