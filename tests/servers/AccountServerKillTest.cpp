// The account server killed with SIGKILL after acknowledging writes: every
// acknowledged registration and upload survives the restart.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <regex>
#include <set>
#include <thread>
#include <vector>

#include "account/AccountStore.h"
#include "net/AccountCipher.h"
#include "net/Fields.h"
#include "net/Frame.h"
#include "net/SocketPairStream.h"
#include "platform/text/Utf8.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;
using tarvo::testing::ChildProcess;
using tarvo::testing::SocketEnd;

std::unique_ptr<SocketEnd> Connect(int port) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<SocketEnd>(fd);
}

std::optional<WString> Ask(SocketEnd& client, uint8_t type, const WString& text) {
  if (!SendFrame(client, type, text)) return std::nullopt;
  ReceiveOptions options;
  options.pollSlice = 5000ms;
  options.frameTimeout = 5000ms;
  ReceivedFrame got = ReceiveFrame(client, options);
  if (got.status != ReceiveStatus::kFrame) return std::nullopt;
  return got.frame.text;
}

// The login reply, or nothing when the server went away.
std::optional<WString> LogIn(int port, const WString& name, const WString& password) {
  auto client = Connect(port);
  if (!client) return std::nullopt;
  auto hello = Ask(*client, kFrameHello, BuildHello(name, {}, u""));
  if (!hello) return std::nullopt;
  auto session = GetField(*hello, u"SESSIONID").value_or(WString());
  return Ask(*client, kFrameLogin, BuildLogin(name, Encipher(password, session)));
}

int StartServer(std::unique_ptr<ChildProcess>& child, const tarvo::testing::TempDir& dir,
                const std::string& db, int run) {
  child = std::make_unique<ChildProcess>(
      TARVO_SERVERS_PROGRAM,
      std::vector<std::string>{"--http-port", "0", "--account-port", "0", "--account-db", db},
      dir.Path());
  (void)run;
  if (!child->WaitForOutput("account=", 10s)) return 0;
  std::smatch match;
  std::string out = child->Stdout();
  if (!std::regex_search(out, match, std::regex("account=([0-9]+)"))) return 0;
  return std::stoi(match[1]);
}

TEST(AccountServerKill, AcknowledgedWritesSurviveAKill) {
  tarvo::testing::TempDir dir;
  const std::string db = dir.File("accounts.db");
  std::vector<std::string> accounts;  // acknowledged, over all rounds
  std::set<std::string> jokes;
  std::unique_ptr<ChildProcess> server;
  int run = 0;
  for (int round = 0; round < 3; ++round) {
    int port = StartServer(server, dir, db, run++);
    ASSERT_NE(port, 0) << server->Stderr();
    std::mutex mutex;
    std::atomic<int> registered{0}, uploaded{0};
    std::vector<std::thread> writers;
    for (int w = 0; w < 8; ++w) {
      writers.emplace_back([&, w] {
        for (int i = 0;; ++i) {
          std::string name = "r" + std::to_string(round) + "w" + std::to_string(w) + "n" + std::to_string(i);
          auto reply = LogIn(port, FromUtf8(name), u"pw1");
          if (!reply) return;  // killed
          if (*reply != u"RESULT={0},CONTENT={注册成功}") continue;
          {
            std::lock_guard<std::mutex> guard(mutex);
            accounts.push_back(name);
          }
          ++registered;
          auto client = Connect(port);
          if (!client) return;
          std::string title = "t" + name.substr(0, 19);
          title.resize(std::min<size_t>(title.size(), 20));
          auto upload = Ask(*client, kFrameUpload,
                            BuildUpload(FromUtf8(title), u"其他", FromUtf8("body of " + name), FromUtf8(name)));
          if (!upload) return;
          if (*upload == u"RESULT={0},CONTENT={上传成功}") {
            std::lock_guard<std::mutex> guard(mutex);
            jokes.insert("body of " + name);
            ++uploaded;
          }
        }
      });
    }
    // Killed once 200 of each are acknowledged, with more in flight.
    auto until = std::chrono::steady_clock::now() + 15s;
    while ((registered < 200 || uploaded < 200) && std::chrono::steady_clock::now() < until) {
      std::this_thread::yield();
    }
    server->Signal(SIGKILL);
    server->Wait(5s);
    for (auto& writer : writers) writer.join();
    ASSERT_GE(registered.load(), 200);
    ASSERT_GE(uploaded.load(), 200);
  }
  int port = StartServer(server, dir, db, run++);
  ASSERT_NE(port, 0);
  for (const auto& name : accounts) {
    ASSERT_EQ(LogIn(port, FromUtf8(name), u"pw1"), WString(u"RESULT={0},CONTENT={登录成功}")) << name;
  }
  server->Signal(SIGTERM);
  server->Wait(5s);
  std::string error;
  auto store = AccountStore::Open(db, "", &error);
  ASSERT_TRUE(store) << error;
  EXPECT_EQ(store->IntegrityCheck(), "ok");
  std::set<std::string> stored;
  for (const auto& joke : store->Jokes()) stored.insert(joke.body);
  for (const auto& body : jokes) EXPECT_TRUE(stored.count(body)) << body;
}

}  // namespace
}  // namespace tarvo::servers
