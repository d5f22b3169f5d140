#include "account/AccountServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "net/AccountCipher.h"
#include "net/Fields.h"
#include "net/Frame.h"
#include "net/SocketPairStream.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;
using tarvo::testing::SocketEnd;
using Clock = std::chrono::steady_clock;

class AccountServerTest : public ::testing::Test {
 protected:
  void StartServer(std::chrono::milliseconds timeout = 5000ms, int maxClients = 512) {
    AccountServerOptions options;
    options.port = 0;
    options.databasePath = dir_.File("accounts.db");
    options.sampleDir = dir_.File("samples");
    options.timeout = timeout;
    options.maxClients = maxClients;
    std::string error;
    ASSERT_TRUE(server_.Start(options, &error)) << error;
  }

  std::unique_ptr<SocketEnd> Connect() {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(server_.Port()));
    EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    return std::make_unique<SocketEnd>(fd);
  }

  static WString Ask(SocketEnd& client, uint8_t type, const WString& text) {
    if (!SendFrame(client, type, text)) return u"<send failed>";
    ReceiveOptions options;
    options.pollSlice = 5000ms;
    options.frameTimeout = 5000ms;
    ReceivedFrame got = ReceiveFrame(client, options);
    if (got.status != ReceiveStatus::kFrame) return u"<no reply>";
    return got.frame.text;
  }

  // A hello and a login with the password under the given session; the login reply.
  static WString LogIn(SocketEnd& client, const WString& name, const WString& password) {
    WString hello = Ask(client, kFrameHello, BuildHello(name, {u"356938035643809", u""}, u"V9"));
    auto session = GetField(hello, u"SESSIONID");
    if (GetIntField(hello, u"RESULT") != 0 || !session) return hello;
    return Ask(client, kFrameLogin, BuildLogin(name, Encipher(password, *session)));
  }

  WString LogIn(const WString& name, const WString& password) {
    auto client = Connect();
    return LogIn(*client, name, password);
  }

  // True when the server closes the connection within the wait.
  static bool ClosedWithin(SocketEnd& client, std::chrono::milliseconds wait) {
    uint8_t buffer[64];
    auto until = Clock::now() + wait;
    while (Clock::now() < until) {
      auto got = client.Receive(buffer, sizeof buffer, 50ms);
      if (got == ByteStream::kClosed || got == ByteStream::kError) return true;
    }
    return false;
  }

  tarvo::testing::TempDir dir_;
  AccountServer server_;
};

TEST_F(AccountServerTest, HelloGivesASessionOfThirtyTwoBase64Characters) {
  StartServer();
  auto client = Connect();
  WString reply = Ask(*client, kFrameHello, BuildHello(u"tom_1", {}, u""));
  EXPECT_EQ(reply.substr(0, 33), u"RESULT={0},CONTENT={},SESSIONID={");
  auto session = GetField(reply, u"SESSIONID");
  ASSERT_TRUE(session.has_value());
  EXPECT_EQ(session->size(), 32u);
  EXPECT_EQ(session->find_first_not_of(
                u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"),
            WString::npos);
  EXPECT_EQ(GetIntField(Ask(*client, kFrameHello, BuildHello(u"bad name", {}, u"")), u"RESULT"), 1);
}

TEST_F(AccountServerTest, RegisterThenLogInThenWrongPassword) {
  StartServer();
  EXPECT_EQ(LogIn(u"tom_1", u"abc123"), u"RESULT={0},CONTENT={注册成功}");
  EXPECT_EQ(LogIn(u"tom_1", u"abc123"), u"RESULT={0},CONTENT={登录成功}");
  EXPECT_EQ(LogIn(u"tom_1", u"abc124"), u"RESULT={2},CONTENT={密码错误}");
}

TEST_F(AccountServerTest, ALoginNeedsAHelloWithItsNameOnTheConnection) {
  StartServer();
  auto client = Connect();
  EXPECT_NE(GetIntField(Ask(*client, kFrameLogin, u"NAME={tom},PASSWORD={x}"), u"RESULT"), 0);
  WString hello = Ask(*client, kFrameHello, BuildHello(u"tom", {}, u""));
  auto session = GetField(hello, u"SESSIONID").value_or(WString());
  EXPECT_NE(GetIntField(Ask(*client, kFrameLogin, BuildLogin(u"jim", Encipher(u"abc", session))),
                        u"RESULT"),
            0);
  EXPECT_EQ(GetIntField(Ask(*client, kFrameLogin, BuildLogin(u"tom", Encipher(u"abc", session))),
                        u"RESULT"),
            0);
}

TEST_F(AccountServerTest, UploadsAreStoredWholeForRegisteredUsers) {
  StartServer();
  ASSERT_EQ(LogIn(u"tom_1", u"abc123"), u"RESULT={0},CONTENT={注册成功}");
  auto client = Connect();
  WString body = u"a},b,USERNAME={x}";
  EXPECT_EQ(Ask(*client, kFrameUpload, BuildUpload(u"标题", u"冷笑话", body, u"tom_1")),
            u"RESULT={0},CONTENT={上传成功}");
  EXPECT_NE(GetIntField(Ask(*client, kFrameUpload, BuildUpload(u"t", u"冷笑话", u"b", u"nobody")),
                        u"RESULT"),
            0);
  EXPECT_NE(GetIntField(Ask(*client, kFrameUpload, BuildUpload(u"t", u"新闻", u"b", u"tom_1")),
                        u"RESULT"),
            0);
  EXPECT_NE(GetIntField(Ask(*client, kFrameUpload,
                            BuildUpload(WString(21, u'x'), u"其他", u"b", u"tom_1")),
                        u"RESULT"),
            0);
  EXPECT_NE(GetIntField(Ask(*client, kFrameUpload,
                            BuildUpload(u"t", u"其他", WString(1001, u'b'), u"tom_1")),
                        u"RESULT"),
            0);
  EXPECT_EQ(GetIntField(Ask(*client, kFrameUpload,
                            BuildUpload(WString(20, u'x'), u"其他", WString(1000, u'b'), u"tom_1")),
                        u"RESULT"),
            0);
  auto jokes = server_.Store().Jokes();
  ASSERT_EQ(jokes.size(), 2u);
  EXPECT_EQ(jokes[0].body, "a},b,USERNAME={x}");
  EXPECT_EQ(jokes[0].userName, "tom_1");
  EXPECT_EQ(jokes[0].title, "标题");
  EXPECT_EQ(jokes[0].category, "冷笑话");
}

TEST_F(AccountServerTest, RepliesFitTwoHundredFiftySixBytes) {
  StartServer();
  auto client = Connect();
  for (const WString& reply :
       {Ask(*client, kFrameHello, BuildHello(u"tom_1", {}, u"")),
        Ask(*client, kFrameUpload, BuildUpload(WString(500, u'x'), u"其他", u"b", u"tom_1")),
        Ask(*client, 9, u"X={1}")}) {
    EXPECT_LE(kFrameHeaderSize + 2 * reply.size(), 256u);
  }
}

TEST_F(AccountServerTest, AFourGibibyteFrameClosesAtOnceWithoutMemory) {
  StartServer();
  rusage before{};
  ::getrusage(RUSAGE_SELF, &before);
  for (int i = 0; i < 100; ++i) {
    auto client = Connect();
    auto started = Clock::now();
    ASSERT_TRUE(client->Write(std::string("\x02\xff\xff\xff\xfe", 5)));
    EXPECT_TRUE(ClosedWithin(*client, 1000ms));
    EXPECT_LT(Clock::now() - started, 1s);
  }
  rusage after{};
  ::getrusage(RUSAGE_SELF, &after);
#ifndef __SANITIZE_ADDRESS__  // the sanitizer's own bookkeeping grows the resident set
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 1024);  // KiB
#endif
}

TEST_F(AccountServerTest, OddLengthsAndOverSixtyFourKibibytesClose) {
  StartServer();
  for (std::string header : {std::string("\x02\x00\x00\x00\x03", 5),
                             std::string("\x11\x00\x01\x00\x02", 5)}) {
    auto client = Connect();
    ASSERT_TRUE(client->Write(header));
    EXPECT_TRUE(ClosedWithin(*client, 1000ms));
  }
}

TEST_F(AccountServerTest, IdleAndSlowClientsAreClosedAfterTheTimeOut) {
  StartServer(300ms);
  auto idle = Connect();
  auto slow = Connect();
  ASSERT_TRUE(slow->Write(std::string("\x02\x00\x00\x00\x10\x00", 6)));
  auto started = Clock::now();
  EXPECT_TRUE(ClosedWithin(*idle, 3000ms));
  EXPECT_TRUE(ClosedWithin(*slow, 3000ms));
  EXPECT_GE(Clock::now() - started, 250ms);
}

TEST_F(AccountServerTest, ClientsOverTheCapAreClosed) {
  StartServer(5000ms, 2);
  auto first = Connect();
  auto second = Connect();
  // Both are served before the third comes.
  EXPECT_EQ(GetIntField(Ask(*first, kFrameHello, BuildHello(u"a", {}, u"")), u"RESULT"), 0);
  EXPECT_EQ(GetIntField(Ask(*second, kFrameHello, BuildHello(u"b", {}, u"")), u"RESULT"), 0);
  auto third = Connect();
  EXPECT_TRUE(ClosedWithin(*third, 2000ms));
  EXPECT_EQ(GetIntField(Ask(*first, kFrameHello, BuildHello(u"a", {}, u"")), u"RESULT"), 0);
}

TEST_F(AccountServerTest, OfRacingRegistrationsOneWins) {
  StartServer();
  constexpr int kRacers = 16;
  std::vector<WString> replies(kRacers);
  std::vector<std::thread> racers;
  for (int i = 0; i < kRacers; ++i) {
    racers.emplace_back([&, i] { replies[i] = LogIn(u"racer", i % 2 ? u"pass1" : u"pass2"); });
  }
  for (auto& racer : racers) racer.join();
  int registered = 0;
  for (const auto& reply : replies) registered += reply == u"RESULT={0},CONTENT={注册成功}";
  EXPECT_EQ(registered, 1);
  for (const auto& reply : replies) {
    EXPECT_TRUE(reply == u"RESULT={0},CONTENT={注册成功}" || reply == u"RESULT={0},CONTENT={登录成功}" ||
                reply == u"RESULT={2},CONTENT={密码错误}")
        << ToUtf8(reply);
  }
}

TEST_F(AccountServerTest, TwoHundredFiftySixClientsAtOnce) {
  StartServer();
  constexpr int kClients = 256;
  std::vector<std::unique_ptr<SocketEnd>> clients;
  for (int i = 0; i < kClients; ++i) clients.push_back(Connect());
  std::atomic<int> good{0};
  std::vector<std::thread> threads;
  for (int i = 0; i < kClients; ++i) {
    threads.emplace_back([&, i] {
      WString name = u"user" + WString(1, static_cast<char16_t>(u'a' + i % 26)) +
                     WString(1, static_cast<char16_t>(u'a' + i / 26));
      if (LogIn(*clients[i], name, u"pw1") == u"RESULT={0},CONTENT={注册成功}") ++good;
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(good.load(), kClients);
}

TEST_F(AccountServerTest, ANewDatabaseGetsTheSampleAccounts) {
  std::filesystem::create_directories(dir_.File("samples"));
  std::ofstream(dir_.File("samples/accounts.txt")) << "# name,password\nsample_1,abc123\n";
  StartServer();
  EXPECT_EQ(LogIn(u"sample_1", u"abc123"), u"RESULT={0},CONTENT={登录成功}");
}

}  // namespace
}  // namespace tarvo::servers
