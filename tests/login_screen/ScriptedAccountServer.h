#pragma once
// A loopback account server whose every connection is handled by the
// test's function (given the connection's number from 0), for the failures
// the stand-in does not make: refusals, stalls, a close after the hello, a
// reply in pieces or without text.
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <list>
#include <string>
#include <thread>

#include "net/Fields.h"
#include "net/Frame.h"
#include "net/SocketPairStream.h"
#include "support/LoopbackSocket.h"

namespace tarvo::testing {

// 24 Base64 characters: the 16 bytes a session key needs.
inline constexpr char16_t kScriptedSession[] = u"MDEyMzQ1Njc4OWFiY2RlZg==";

class ScriptedAccountServer {
 public:
  using Handler = std::function<void(int connection, SocketEnd& client)>;

  explicit ScriptedAccountServer(Handler handler) : handler_(std::move(handler)) {
    listener_ = BindLoopback(&port_);
    ::listen(listener_, 8);
    acceptor_ = std::thread([this] {
      for (int index = 0;; ++index) {
        int fd = ::accept(listener_, nullptr, nullptr);
        if (fd < 0) return;
        connections_.emplace_back([this, index, fd] {
          SocketEnd client(fd);
          handler_(index, client);
        });
      }
    });
  }
  ~ScriptedAccountServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    for (auto& connection : connections_) connection.join();
    ::close(listener_);
  }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
  // Handlers that wait end when the test is over.
  bool Stopping() const { return stopping_.load(); }

  // The next frame from the client, or a frame of type 0 after five seconds.
  static Frame Next(SocketEnd& client) {
    ReceiveOptions options;
    options.pollSlice = std::chrono::milliseconds(50);
    options.frameTimeout = std::chrono::milliseconds(5000);
    ReceivedFrame got = ReceiveFrame(client, options);
    for (int i = 0; i < 100 && got.status == ReceiveStatus::kTimedOut; ++i) got = ReceiveFrame(client, options);
    return got.status == ReceiveStatus::kFrame ? got.frame : Frame{};
  }
  // Answers a hello and a login as logged in.
  static void AcceptLogin(SocketEnd& client) {
    Next(client);
    SendFrame(client, kFrameHello, WString(u"RESULT={0},CONTENT={},SESSIONID={") + kScriptedSession + u"}");
    Next(client);
    SendFrame(client, kFrameLogin, u"RESULT={0},CONTENT={登录成功}");
    WaitForClose(client);
  }
  // Reads until the client closes (bounded).
  static void WaitForClose(SocketEnd& client, const std::atomic<bool>* release = nullptr) {
    uint8_t buffer[256];
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < until && (release == nullptr || !release->load())) {
      auto got = client.Receive(buffer, sizeof buffer, std::chrono::milliseconds(50));
      if (got == ByteStream::kClosed || got == ByteStream::kError) return;
    }
  }

 private:
  Handler handler_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread acceptor_;
  std::list<std::thread> connections_;
};

}  // namespace tarvo::testing
