// Failures of the account server as the forms show them: a refused port, a
// stall, a close after the hello, the program's end during a wait, and the
// upload's reply in pieces or without text; the form's paste.
#include "LoginFixture.h"
#include "ScriptedAccountServer.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using testing::ScriptedAccountServer;
using testing::SocketEnd;
using Clock = std::chrono::steady_clock;

class LoginFaultsTest : public LoginFixture {
 protected:
  void UseServer(const std::string& address) { accountServer_ = address; }
  // Logs in against a server whose first connection accepts the login.
  void ToUploadForm() {
    OpenLogin();
    LogInAs(u"demo", u"demo123");
    ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", 8000ms));
  }
  void FillUpload(WStringView title, WStringView body) {
    TypeInto(CUploadJoke::kTitleId, title);
    TypeInto(CUploadJoke::kBodyId, body);
  }
};

TEST_F(LoginFaultsTest, ARefusedPortIsAConnectFailure) {
  UseServer("127.0.0.1:1");
  Launch();
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"连接服务器失败,请稍后重试.");
  EXPECT_EQ(box->caption, u"Tarvo");
  EXPECT_FALSE(driver_->Invoke([this] { return driver_->GetUi().IsWaitCursor(); }));
  // The account was stored before the exchange all the same.
  EXPECT_EQ(AccountFileBytes(), "demo,");
}

TEST_F(LoginFaultsTest, AStallEndsInTheLoginFailureWithinTheBoundAndInputMeanwhileIsDropped) {
  std::atomic<bool> release{false};
  ScriptedAccountServer server([&](int, SocketEnd& client) { ScriptedAccountServer::WaitForClose(client, &release); });
  UseServer(server.Address());
  Launch("", 240, 320, 600);
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  const auto started = Clock::now();
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().IsInputBlocked(); }));
  EXPECT_TRUE(driver_->Invoke([this] { return driver_->GetUi().IsWaitCursor(); }));
  // Typing, a tap on "ok" and Escape during the wait go nowhere.
  driver_->Type(u"xyz");
  driver_->TapOkButton();
  driver_->Key(ui::keys::kEscape);
  auto box = Answer(u"确定", 5000ms);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"登录失败,请稍后重试.");
  EXPECT_LT(Clock::now() - started, 3s);  // two steps of 600 ms and a margin
  EXPECT_EQ(driver_->TopCaption(), u"登录");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"demo123");
  EXPECT_FALSE(driver_->Invoke([this] { return driver_->GetUi().IsWaitCursor(); }));
  release = true;
}

TEST_F(LoginFaultsTest, AServerClosingAfterTheHelloOrRefusingWithoutTextShowsTheLoginFailure) {
  ScriptedAccountServer server([](int connection, SocketEnd& client) {
    ScriptedAccountServer::Next(client);
    if (connection == 0) return;  // closed after the hello
    SendFrame(client, kFrameHello, u"RESULT={5},CONTENT={}");
    ScriptedAccountServer::WaitForClose(client);
  });
  UseServer(server.Address());
  Launch();
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  for (int round = 0; round < 2; ++round) {
    if (round == 1) {
      ASSERT_TRUE(driver_->PickMenuItem({u"登录"}));
    }
    auto box = Answer(u"确定");
    ASSERT_TRUE(box) << round;
    EXPECT_EQ(box->text, u"登录失败,请稍后重试.") << round;
  }
}

TEST_F(LoginFaultsTest, ThePasswordIsClearedWhenTheHelloReplySaysItIsWrong) {
  ScriptedAccountServer server([](int, SocketEnd& client) {
    ScriptedAccountServer::Next(client);
    SendFrame(client, kFrameHello, u"RESULT={2},CONTENT={密码错误}");
    ScriptedAccountServer::WaitForClose(client);
  });
  UseServer(server.Address());
  Launch();
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"密码错误");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"");
}

TEST_F(LoginFaultsTest, TheProgramsEndDuringAWaitStopsTheWorkerAndEndsAtOnce) {
  std::atomic<bool> release{false};
  ScriptedAccountServer server([&](int, SocketEnd& client) { ScriptedAccountServer::WaitForClose(client, &release); });
  UseServer(server.Address());
  Launch("", 240, 320, 30000);
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().IsInputBlocked(); }));
  const auto started = Clock::now();
  driver_->GetUi().Quit();
  driver_.reset();  // joins the UI thread: the program is down
  EXPECT_LT(Clock::now() - started, 3s);
  release = true;
}

TEST_F(LoginFaultsTest, AnUploadReplyInTwoPiecesIsShownAndOneWithoutTextIsAFailure) {
  ScriptedAccountServer server([](int connection, SocketEnd& client) {
    if (connection == 0) return ScriptedAccountServer::AcceptLogin(client);
    ScriptedAccountServer::Next(client);
    if (connection == 1) {
      std::string bytes = *EncodeFrame(kFrameUpload, u"RESULT={0},CONTENT={收到了}");
      client.Write(bytes.substr(0, kFrameHeaderSize));
      uint8_t byte;
      client.Receive(&byte, 1, 200ms);  // the header alone first
      client.Write(bytes.substr(kFrameHeaderSize));
    } else {
      SendFrame(client, kFrameUpload, u"RESULT={0}");
    }
    ScriptedAccountServer::WaitForClose(client);
  });
  UseServer(server.Address());
  Launch();
  ToUploadForm();
  FillUpload(u"标题", u"内容");
  ASSERT_TRUE(driver_->PickMenuItem({u"上传"}));
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"收到了");
  ASSERT_TRUE(driver_->PickMenuItem({u"上传"}));
  box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"上传失败,请稍后重试.");
  EXPECT_EQ(driver_->TopCaption(), u"上传笑话");
}

TEST_F(LoginFaultsTest, TheUploadChecksTitleAndBodyInOrderBeforeAnyConnection) {
  ScriptedAccountServer server([](int connection, SocketEnd& client) {
    if (connection == 0) return ScriptedAccountServer::AcceptLogin(client);
    ADD_FAILURE() << "an upload that fails its checks connected";
  });
  UseServer(server.Address());
  Launch();
  ToUploadForm();
  const WString twenty(20, u'题');
  const struct {
    WString title, body;
    const char16_t* message;
  } cases[] = {
      {u"", u"内容", u"标题不能为空！"},
      {twenty + u"题", u"内容", u"标题长度不能超过20！"},
      {twenty, u"", u"内容不能为空！"},
  };
  for (const auto& c : cases) {
    FillUpload(c.title, c.body);
    ASSERT_TRUE(driver_->PickMenuItem({u"上传"}));
    auto box = Answer(u"确定");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, c.message);
  }
}

TEST_F(LoginFaultsTest, PasteReplacesTheFocusedFieldAndABodyPastedOver1000IsRefused) {
  Launch();
  ToUploadForm();
  // Typing stops at 1000 characters.
  TypeInto(CUploadJoke::kBodyId, WString(1001, u'字'));
  EXPECT_EQ(FieldText(CUploadJoke::kBodyId).size(), 1000u);
  // Pasting replaces the whole field, even beyond the limit.
  driver_->Invoke([this] { driver_->GetUi().SetClipboardText(WString(1001, u'贴')); });
  ASSERT_TRUE(driver_->PickMenuItem({u"粘贴"}));
  EXPECT_EQ(FieldText(CUploadJoke::kBodyId), WString(1001, u'贴'));
  TypeInto(CUploadJoke::kTitleId, u"旧标题");
  driver_->Invoke([this] { driver_->GetUi().SetClipboardText(u"新标题"); });
  ASSERT_TRUE(driver_->PickMenuItem({u"粘贴"}));
  EXPECT_EQ(FieldText(CUploadJoke::kTitleId), u"新标题");
  EXPECT_EQ(FieldText(CUploadJoke::kBodyId).size(), 1001u);
  ASSERT_TRUE(driver_->PickMenuItem({u"上传"}));
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"内容长度不能为超过1000！");
  EXPECT_TRUE(accounts_.Store().Jokes().empty());
  // Escape goes back to the login, still open.
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"登录"));
}

}  // namespace
}  // namespace tarvo
