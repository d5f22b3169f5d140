#pragma once
// A loopback HTTP server for tests that holds its connections: it reads each
// request and answers only once it has seen a given number of connections
// (never, when none is set), then keeps the connection open or closes it.
// With accepting off it only listens, with a queue of one that a first
// client fills, so that a further client's connect never completes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tarvo::testing {

class HoldingServer {
 public:
  struct Script {
    bool accept = true;
    // What every connection gets once this many connections were made.
    std::optional<int> answerAfter;
    std::string answer;
    bool closeAfterAnswer = false;

    static Script Unaccepting() {
      Script script;
      script.accept = false;
      return script;
    }
    static Script Silent() { return {}; }
    static Script AnswerAfter(int connections, std::string answer, bool close = false) {
      Script script;
      script.answerAfter = connections;
      script.answer = std::move(answer);
      script.closeAfterAnswer = close;
      return script;
    }
  };

  explicit HoldingServer(Script script) : script_(std::move(script)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    ::listen(listener_, script_.accept ? 16 : 0);
    if (script_.accept) {
      acceptor_ = std::thread([this] { AcceptLoop(); });
    } else {
      // Fills the queue of one: the next connect waits for a SYN answer.
      filler_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
      ::connect(filler_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
  }

  ~HoldingServer() {
    {
      std::lock_guard<std::mutex> guard(mutex_);
      stopping_ = true;
      for (int fd : connections_) ::shutdown(fd, SHUT_RDWR);
    }
    changed_.notify_all();
    ::shutdown(listener_, SHUT_RDWR);
    if (acceptor_.joinable()) acceptor_.join();
    for (auto& handler : handlers_) handler.join();
    for (int fd : connections_) ::close(fd);
    if (filler_ >= 0) ::close(filler_);
    ::close(listener_);
  }

  std::string Url(const std::string& path = "/page") const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

  // Waits until this many requests were read in full; false at the deadline.
  bool WaitForRequests(int count, std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, deadline, [&] { return requests_ >= count; });
  }
  // Waits until this many answers were sent.
  bool WaitForAnswers(int count, std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, deadline, [&] { return answers_ >= count; });
  }
  int Connections() {
    std::lock_guard<std::mutex> guard(mutex_);
    return static_cast<int>(connections_.size());
  }

 private:
  void AcceptLoop() {
    for (;;) {
      const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) return;
      std::lock_guard<std::mutex> guard(mutex_);
      if (stopping_) {
        ::close(fd);
        return;
      }
      connections_.push_back(fd);
      handlers_.emplace_back([this, fd] { Serve(fd); });
      changed_.notify_all();
    }
  }

  void Serve(int fd) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
      if (got <= 0) return;
      request.append(buffer, static_cast<size_t>(got));
    }
    std::unique_lock<std::mutex> lock(mutex_);
    ++requests_;
    changed_.notify_all();
    changed_.wait(lock, [&] {
      return stopping_ || (script_.answerAfter &&
                           static_cast<int>(connections_.size()) >= *script_.answerAfter);
    });
    if (stopping_) return;
    lock.unlock();
    ::send(fd, script_.answer.data(), script_.answer.size(), MSG_NOSIGNAL);
    if (script_.closeAfterAnswer) ::shutdown(fd, SHUT_WR);
    lock.lock();
    ++answers_;
    changed_.notify_all();
  }

  Script script_;
  int listener_ = -1;
  int filler_ = -1;
  int port_ = 0;
  std::thread acceptor_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<int> connections_;
  std::vector<std::thread> handlers_;
  int requests_ = 0;
  int answers_ = 0;
  bool stopping_ = false;
};

}  // namespace tarvo::testing
