#include "jokes/AccountExchange.h"

#include <gtest/gtest.h>

#include "FakeAccountServer.h"
#include "net/AccountCipher.h"
#include "net/AccountSocket.h"
#include "net/Frame.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using testing::FakeAccountServer;
using testing::SocketEnd;
using Clock = std::chrono::steady_clock;

// 24 Base64 characters: the 16 bytes a session key needs.
constexpr char16_t kSession[] = u"MDEyMzQ1Njc4OWFiY2RlZg==";

AccountExchangeSettings Quick(const std::atomic<bool>* stop = nullptr) {
  AccountExchangeSettings settings;
  settings.stepTimeout = 3000ms;
  settings.pollSlice = 50ms;
  settings.stop = stop;
  return settings;
}

AccountStreamOpener OpenerFor(std::string address, const AccountExchangeSettings& settings) {
  return [address, settings]() -> std::unique_ptr<ByteStream> {
    auto socket = std::make_unique<AccountSocket>(settings.stepTimeout, settings.stop);
    if (!socket->Open(address)) return nullptr;
    return socket;
  };
}

LoginRequest Request() {
  return {u"tom_1", u"abc123", {u"123456789012345", u"4600"}, u"V9"};
}

ReceivedFrame Next(SocketEnd& client) {
  ReceiveOptions options;
  options.pollSlice = 50ms;
  options.frameTimeout = 5000ms;
  ReceivedFrame got = ReceiveFrame(client, options);
  for (int i = 0; i < 100 && got.status == ReceiveStatus::kTimedOut; ++i) got = ReceiveFrame(client, options);
  return got;
}

// Waits (bounded) until the client closes its end; true when it did.
bool ClientCloses(SocketEnd& client, WString* extraText = nullptr) {
  uint8_t buffer[256];
  auto until = Clock::now() + 10s;
  while (Clock::now() < until) {
    auto got = client.Receive(buffer, sizeof buffer, 100ms);
    if (got == ByteStream::kClosed || got == ByteStream::kError) return true;
    if (got > 0 && extraText != nullptr) *extraText += u"?";
  }
  return false;
}

TEST(LoginExchange, HelloThenLoginUnderTheSessionKey) {
  WString hello, login;
  FakeAccountServer server([&](SocketEnd& client) {
    auto first = Next(client);
    hello = first.frame.text;
    SendFrame(client, kFrameHello, WString(u"RESULT={0},CONTENT={},SESSIONID={") + kSession + u"}");
    auto second = Next(client);
    if (second.frame.type == kFrameLogin) login = second.frame.text;
    SendFrame(client, kFrameLogin, u"RESULT={0},CONTENT={登录成功}");
    ClientCloses(client);
  });
  auto settings = Quick();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  EXPECT_TRUE(outcome.loggedIn());
  EXPECT_EQ(outcome.message, u"登录成功");
  EXPECT_EQ(hello, u"NAME={tom_1},SIMID={123456789012345},CELLID={},VERSIONNO={1.15},PHONEMODEL={V9}");
  auto password = GetField(login, u"PASSWORD");
  ASSERT_TRUE(password.has_value());
  EXPECT_EQ(login.substr(0, 20), u"NAME={tom_1},PASSWOR");
  EXPECT_EQ(Decipher(*password, kSession), u"abc123");
}

TEST(LoginExchange, ARefusedPortIsAConnectFailure) {
  auto settings = Quick();
  LoginOutcome outcome =
      Login(OpenerFor(FakeAccountServer::RefusingAddress(), settings), Request(), settings);
  EXPECT_EQ(outcome.end, ExchangeEnd::kFailed);
  EXPECT_EQ(outcome.message, u"连接服务器失败,请稍后重试.");
}

TEST(LoginExchange, AnEmptyOrBadServerAddressIsAConnectFailure) {
  auto settings = Quick();
  for (std::string address : {"", ":8089", "127.0.0.1:", "127.0.0.1:99999", "127.0.0.1:x"}) {
    EXPECT_EQ(Login(OpenerFor(address, settings), Request(), settings).message,
              u"连接服务器失败,请稍后重试.")
        << address;
  }
}

TEST(LoginExchange, AServerClosingAfterTheHelloFailsTheLogin) {
  FakeAccountServer server([&](SocketEnd& client) { Next(client); });
  auto settings = Quick();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  EXPECT_EQ(outcome.end, ExchangeEnd::kFailed);
  EXPECT_EQ(outcome.message, u"登录失败,请稍后重试.");
}

TEST(LoginExchange, AStalledServerFailsWithinTheStepTimeOut) {
  FakeAccountServer server([&](SocketEnd& client) { ClientCloses(client); });
  auto settings = Quick();
  settings.stepTimeout = 300ms;
  auto started = Clock::now();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  EXPECT_LT(Clock::now() - started, 2s);
  EXPECT_EQ(outcome.message, u"登录失败,请稍后重试.");
}

TEST(LoginExchange, ATricklingServerCannotHoldTheExchangePastTwiceTheTimeOut) {
  std::atomic<bool> done{false};
  FakeAccountServer server([&](SocketEnd& client) {
    Next(client);
    // Frames of another type, each well within a step, for as long as the client reads.
    while (!done && SendFrame(client, 9, u"X={1}")) {
      uint8_t byte;
      if (client.Receive(&byte, 1, 50ms) != ByteStream::kTimedOut) break;
    }
  });
  auto settings = Quick();
  settings.stepTimeout = 400ms;
  auto started = Clock::now();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  auto took = Clock::now() - started;
  done = true;
  EXPECT_GE(took, 700ms);
  EXPECT_LT(took, 3s);
  EXPECT_EQ(outcome.message, u"登录失败,请稍后重试.");
}

void ExpectFailureOnReplyBytes(const std::string& bytes) {
  FakeAccountServer server([&](SocketEnd& client) {
    Next(client);
    client.Write(bytes);
    ClientCloses(client);
  });
  auto settings = Quick();
  auto started = Clock::now();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  EXPECT_LT(Clock::now() - started, 2s);
  EXPECT_EQ(outcome.message, u"登录失败,请稍后重试.");
}

TEST(LoginExchange, OversizedAndOddLengthsFailAtOnce) {
  ExpectFailureOnReplyBytes(std::string("\x02\xff\xff\xff\xfe", 5));
  ExpectFailureOnReplyBytes(std::string("\x02\x00\x01\x00\x02", 5));
  ExpectFailureOnReplyBytes(std::string("\x02\x00\x00\x00\x03\x00\x41\x00", 8));
}

TEST(LoginExchange, ASessionIdGivingNoKeySendsNoLogin) {
  WString extra;
  FakeAccountServer server([&](SocketEnd& client) {
    Next(client);
    SendFrame(client, kFrameHello, u"RESULT={0},CONTENT={},SESSIONID={QUJDRA==}");
    ClientCloses(client, &extra);
  });
  auto settings = Quick();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  EXPECT_EQ(outcome.message, u"登录失败,请稍后重试.");
  EXPECT_TRUE(extra.empty());
}

TEST(LoginExchange, OtherFrameTypesArePassedOver) {
  FakeAccountServer server([&](SocketEnd& client) {
    Next(client);
    SendFrame(client, 7, u"RESULT={1},CONTENT={不是}");
    SendFrame(client, kFrameLogin, u"RESULT={0},CONTENT={早了}");
    SendFrame(client, kFrameHello, WString(u"RESULT={0},CONTENT={},SESSIONID={") + kSession + u"}");
    Next(client);
    SendFrame(client, kFrameHello, u"RESULT={1},CONTENT={晚了}");
    SendFrame(client, kFrameLogin, u"RESULT={0},CONTENT={注册成功}");
    ClientCloses(client);
  });
  auto settings = Quick();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  EXPECT_TRUE(outcome.loggedIn());
  EXPECT_EQ(outcome.message, u"注册成功");
}

LoginOutcome LoginAgainst(std::function<void(SocketEnd&)> handler) {
  FakeAccountServer server(std::move(handler));
  auto settings = Quick();
  return Login(OpenerFor(server.Address(), settings), Request(), settings);
}

TEST(LoginExchange, WrongPasswordClearsTheFieldFromEitherReply) {
  auto onHello = LoginAgainst([](SocketEnd& client) {
    Next(client);
    SendFrame(client, kFrameHello, u"RESULT={2},CONTENT={密码错误}");
    ClientCloses(client);
  });
  EXPECT_EQ(onHello.message, u"密码错误");
  EXPECT_TRUE(onHello.clearPassword);
  auto onLogin = LoginAgainst([](SocketEnd& client) {
    Next(client);
    SendFrame(client, kFrameHello, WString(u"RESULT={0},CONTENT={},SESSIONID={") + kSession + u"}");
    Next(client);
    SendFrame(client, kFrameLogin, u"RESULT={2},CONTENT={密码错误}");
    ClientCloses(client);
  });
  EXPECT_EQ(onLogin.end, ExchangeEnd::kFailed);
  EXPECT_EQ(onLogin.message, u"密码错误");
  EXPECT_TRUE(onLogin.clearPassword);
}

TEST(LoginExchange, ARefusalWithoutTextShowsOurs) {
  auto outcome = LoginAgainst([](SocketEnd& client) {
    Next(client);
    SendFrame(client, kFrameHello, u"RESULT={5},CONTENT={}");
    ClientCloses(client);
  });
  EXPECT_EQ(outcome.message, u"登录失败,请稍后重试.");
  EXPECT_FALSE(outcome.clearPassword);
  auto other = LoginAgainst([](SocketEnd& client) {
    Next(client);
    SendFrame(client, kFrameHello, u"RESULT={3},CONTENT={用户名已停用}");
    ClientCloses(client);
  });
  EXPECT_EQ(other.message, u"用户名已停用");
}

TEST(LoginExchange, AStopEndsItSilently) {
  std::atomic<bool> stop{false};
  FakeAccountServer server([&](SocketEnd& client) {
    Next(client);
    stop = true;
    ClientCloses(client);
  });
  auto settings = Quick(&stop);
  settings.stepTimeout = 20000ms;
  auto started = Clock::now();
  LoginOutcome outcome = Login(OpenerFor(server.Address(), settings), Request(), settings);
  EXPECT_LT(Clock::now() - started, 3s);
  EXPECT_EQ(outcome.end, ExchangeEnd::kStopped);
  EXPECT_TRUE(outcome.message.empty());
}

UploadOutcome UploadAgainst(std::function<void(SocketEnd&)> handler, WString* sent = nullptr) {
  FakeAccountServer server([&](SocketEnd& client) {
    auto got = Next(client);
    if (sent != nullptr && got.frame.type == kFrameUpload) *sent = got.frame.text;
    handler(client);
  });
  auto settings = Quick();
  return Upload(OpenerFor(server.Address(), settings),
                {u"标题", u"冷笑话", u"a},USERNAME={x}", u"tom_1"}, settings);
}

TEST(UploadExchange, AReplyInTwoPiecesIsReadWhole) {
  WString sent;
  auto outcome = UploadAgainst(
      [](SocketEnd& client) {
        std::string bytes = *EncodeFrame(kFrameUpload, u"RESULT={0},CONTENT={上传成功}");
        client.Write(bytes.substr(0, kFrameHeaderSize));
        // The rest once the client has had the header to itself.
        uint8_t byte;
        client.Receive(&byte, 1, 200ms);
        client.Write(bytes.substr(kFrameHeaderSize));
        ClientCloses(client);
      },
      &sent);
  EXPECT_EQ(sent, u"TITLE={标题},CATEGORY={冷笑话},BODY={a},USERNAME={x}},USERNAME={tom_1}");
  EXPECT_EQ(outcome.end, ExchangeEnd::kDone);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_EQ(outcome.message, u"上传成功");
}

TEST(UploadExchange, AReplyWithoutContentOrNoneIsAFailure) {
  auto noContent = UploadAgainst([](SocketEnd& client) {
    SendFrame(client, kFrameUpload, u"RESULT={0}");
    ClientCloses(client);
  });
  EXPECT_EQ(noContent.message, u"上传失败,请稍后重试.");
  auto closed = UploadAgainst([](SocketEnd&) {});
  EXPECT_EQ(closed.end, ExchangeEnd::kFailed);
  EXPECT_EQ(closed.message, u"上传失败,请稍后重试.");
  auto settings = Quick();
  EXPECT_EQ(Upload(OpenerFor(FakeAccountServer::RefusingAddress(), settings), {}, settings).message,
            u"连接服务器失败,请稍后重试.");
}

}  // namespace
}  // namespace tarvo
