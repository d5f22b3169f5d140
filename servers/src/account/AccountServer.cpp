#include "account/AccountServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "account/AccountSession.h"

namespace tarvo::servers {
namespace {

using Clock = std::chrono::steady_clock;

enum class Read { kDone, kClosed, kFailed };

// Fills buffer[0, size) before the deadline, or reports why not.
Read ReadUntil(int fd, uint8_t* buffer, size_t size, Clock::time_point deadline,
               const std::atomic<bool>& stopping) {
  size_t filled = 0;
  while (filled < size) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0 || stopping) return Read::kFailed;
    pollfd entry{fd, POLLIN, 0};
    int ready = ::poll(&entry, 1, static_cast<int>(std::min<long long>(left.count(), 200)));
    if (ready < 0 && errno != EINTR) return Read::kFailed;
    if (ready <= 0) continue;
    ssize_t got = ::recv(fd, buffer + filled, size - filled, 0);
    if (got == 0) return filled == 0 ? Read::kClosed : Read::kFailed;
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return Read::kFailed;
    }
    filled += static_cast<size_t>(got);
  }
  return Read::kDone;
}

bool SendAll(int fd, const std::string& bytes, Clock::time_point deadline) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd entry{fd, POLLOUT, 0};
    if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0) continue;
    ssize_t count = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (count < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (count > 0) sent += static_cast<size_t>(count);
  }
  return true;
}

}  // namespace

std::string DefaultAccountDatabase() {
  const char* state = std::getenv("XDG_STATE_HOME");
  std::string base;
  if (state != nullptr && *state != '\0') {
    base = state;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home != nullptr ? home : ".") + "/.local/state";
  }
  return base + "/tarvo/accounts.db";
}

bool AccountServer::Start(const AccountServerOptions& options, std::string* error) {
  options_ = options;
  if (options_.databasePath.empty()) options_.databasePath = DefaultAccountDatabase();
  std::error_code ignored;
  auto parent = std::filesystem::path(options_.databasePath).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
  store_ = AccountStore::Open(options_.databasePath, options_.sampleDir, error);
  if (!store_) return false;
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int one = 1;
  ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(options_.port));
  if (::inet_pton(AF_INET, options_.bind.c_str(), &address.sin_addr) != 1 ||
      ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 1024) != 0) {
    if (error != nullptr) *error = "account server: cannot listen on port " + std::to_string(options_.port);
    ::close(listener_);
    listener_ = -1;
    return false;
  }
  socklen_t length = sizeof address;
  ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  acceptor_ = std::thread([this] { AcceptLoop(); });
  return true;
}

void AccountServer::Stop() {
  if (listener_ < 0) return;
  stopping_ = true;
  ::shutdown(listener_, SHUT_RDWR);
  if (acceptor_.joinable()) acceptor_.join();
  Reap(true);
  ::close(listener_);
  listener_ = -1;
  store_.reset();
}

void AccountServer::Reap(bool all) {
  std::list<std::unique_ptr<Connection>> finished;
  {
    std::lock_guard<std::mutex> guard(connectionsMutex_);
    for (auto it = connections_.begin(); it != connections_.end();) {
      if (all || (*it)->done) {
        if (all) ::shutdown((*it)->fd, SHUT_RDWR);
        finished.push_back(std::move(*it));
        it = connections_.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (auto& connection : finished) {
    connection->thread.join();
    ::close(connection->fd);
  }
}

void AccountServer::AcceptLoop() {
  while (!stopping_) {
    int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      if (stopping_) return;
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno == EMFILE || errno == ENFILE) {
        Reap(false);
        continue;
      }
      return;
    }
    Reap(false);
    if (active_ >= options_.maxClients) {
      ::close(fd);  // over the cap
      continue;
    }
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    ++active_;
    auto connection = std::make_unique<Connection>();
    connection->fd = fd;
    Connection& raw = *connection;
    std::lock_guard<std::mutex> guard(connectionsMutex_);
    connections_.push_back(std::move(connection));
    raw.thread = std::thread([this, &raw] {
      Serve(raw);
      // The peer sees the end now; the descriptor goes when the thread is reaped.
      ::shutdown(raw.fd, SHUT_RDWR);
      --active_;
      raw.done = true;
    });
  }
}

void AccountServer::Serve(Connection& connection) {
  AccountSession session(*store_);
  const int fd = connection.fd;
  while (!stopping_) {
    // Idle: the next frame must begin within the time-out.
    uint8_t header[kFrameHeaderSize];
    pollfd entry{fd, POLLIN, 0};
    auto idleUntil = Clock::now() + options_.timeout;
    bool readable = false;
    while (!stopping_ && Clock::now() < idleUntil) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(idleUntil - Clock::now());
      int ready = ::poll(&entry, 1, static_cast<int>(std::min<long long>(left.count(), 200)));
      if (ready > 0) {
        readable = true;
        break;
      }
      if (ready < 0 && errno != EINTR) break;
    }
    if (!readable) return;
    // Once begun, the whole frame within the time-out.
    auto frameUntil = Clock::now() + options_.timeout;
    if (ReadUntil(fd, header, sizeof header, frameUntil, stopping_) != Read::kDone) return;
    uint32_t length = (uint32_t{header[1]} << 24) | (uint32_t{header[2]} << 16) |
                      (uint32_t{header[3]} << 8) | header[4];
    if (length % 2 != 0 || length > kMaxFramePayload) return;  // before any allocation
    std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
    bytes.resize(sizeof header + length);
    if (ReadUntil(fd, reinterpret_cast<uint8_t*>(bytes.data()) + sizeof header, length, frameUntil,
                  stopping_) != Read::kDone) {
      return;
    }
    auto request = DecodeFrame(bytes);
    if (!request) return;
    Frame reply = session.Handle(*request);
    auto encoded = EncodeFrame(reply.type, reply.text);
    if (!encoded || !SendAll(fd, *encoded, Clock::now() + options_.timeout)) return;
  }
}

}  // namespace tarvo::servers
