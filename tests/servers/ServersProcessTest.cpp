// tarvo-servers as a program: started as a child, stopped with SIGTERM.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "Fetch.h"
#include "support/TempDir.h"

extern char** environ;

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class ServersProcess {
 public:
  explicit ServersProcess(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), TARVO_SERVERS_PROGRAM);
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    out_ = out[0];
    err_ = err[0];
  }
  ~ServersProcess() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
    if (err_ >= 0) close(err_);
  }

  // The port of the first line "http=PORT"; 0 when the program ends or is silent first.
  int Port() {
    std::string line;
    const auto deadline = Clock::now() + 5s;
    while (line.find('\n') == std::string::npos && Clock::now() < deadline) {
      pollfd ready{out_, POLLIN, 0};
      if (poll(&ready, 1, 50) <= 0) continue;
      char buffer[256];
      const ssize_t got = read(out_, buffer, sizeof buffer);
      if (got <= 0) break;
      line.append(buffer, got);
    }
    if (line.rfind("http=", 0) != 0) return 0;
    return std::atoi(line.c_str() + 5);
  }
  // The exit status once the program has ended within the wait, else nullopt.
  std::optional<int> Ended(std::chrono::milliseconds wait = 3000ms) {
    const auto deadline = Clock::now() + wait;
    while (!status_ && Clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_)
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      else
        std::this_thread::sleep_for(5ms);
    }
    return status_;
  }
  std::optional<int> Terminate() {
    kill(pid_, SIGTERM);
    return Ended();
  }
  // Everything written to stderr; only once the program has ended.
  std::string Errors() {
    std::string text;
    char buffer[1024];
    for (ssize_t got; (got = read(err_, buffer, sizeof buffer)) > 0;) text.append(buffer, got);
    return text;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1, err_ = -1;
  std::optional<int> status_;
};

class ServersProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.Write("secret.txt", "SECRET");
    data_.Write("content/q@../placeholder", "");
    data_.Write("content/xh/xh00001.txt", "#joke\r\n");
    data_.Write("content/tarvo/update.txt", "[Update]\r\n");
  }
  // Each run gets its own account port and database, so runs side by side never meet.
  std::vector<std::string> Isolated(std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--account-port", "0", "--account-db", data_.File("accounts.db")});
    return arguments;
  }
  std::string Url(int port, const std::string& target) {
    return "http://127.0.0.1:" + std::to_string(port) + target;
  }
  tarvo::testing::TempDir data_;
};

TEST_F(ServersProcessTest, ServesTheDataFolderWithDatesAndKeepsQueriesInside) {
  ServersProcess servers(Isolated({"--data", data_.Path(), "--http-port", "0"}));
  const int port = servers.Port();
  ASSERT_GT(port, 0);
  EXPECT_EQ(testing::Fetch(Url(port, "/xh/xh00001.txt")).body, "#joke\r\n");
  for (const char* target : {"/q?../../../secret.txt", "/q?..%2F..%2F..%2Fsecret.txt", "/%2E%2E/secret.txt"}) {
    const auto fetched = testing::Fetch(Url(port, target));
    EXPECT_EQ(fetched.status, 404) << target;
    EXPECT_EQ(fetched.body.find("SECRET"), std::string::npos) << target;
  }
  EXPECT_NE(testing::RawGet(port, "/tarvo/update.txt").find("\r\nDate: "), std::string::npos);
  EXPECT_EQ(servers.Terminate(), 0);
}

TEST_F(ServersProcessTest, FaultOptionsBendTheAnswersAndTheLogRecordsTheRequests) {
  ServersProcess servers(Isolated({"--data", data_.Path(), "--http-port", "0", "--faults", "--fault",
                          "/xh/=status:503", "--fault", "/tarvo/update=empty", "--request-log",
                          data_.File("requests.log")}));
  const int port = servers.Port();
  ASSERT_GT(port, 0);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(testing::Fetch(Url(port, "/xh/xh00001.txt")).status, 503);
  const auto empty = testing::Fetch(Url(port, "/tarvo/update.txt"));
  EXPECT_EQ(empty.status, 200);
  EXPECT_EQ(empty.body, "");
  EXPECT_EQ(testing::Fetch(Url(port, "/_fault/status:404/tarvo/update.txt")).status, 404);
  EXPECT_EQ(testing::Fetch(Url(port, "/_fault/reset:3/_test/big?bytes=100")).body, "000");
  EXPECT_EQ(servers.Terminate(), 0);
  const std::string log = data_.Read("requests.log");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 5) << log;
  EXPECT_NE(log.find(" GET /xh/xh00001.txt "), std::string::npos) << log;
  EXPECT_NE(log.find("User-Agent: Tarvo"), std::string::npos) << log;
}

TEST_F(ServersProcessTest, ASecondInstanceOnAPortInUseFailsClearly) {
  ServersProcess first(Isolated({"--data", data_.Path(), "--http-port", "0"}));
  const int port = first.Port();
  ASSERT_GT(port, 0);
  ServersProcess second(Isolated({"--data", data_.Path(), "--http-port", std::to_string(port)}));
  EXPECT_EQ(second.Port(), 0);
  const auto status = second.Ended();
  ASSERT_TRUE(status);
  EXPECT_NE(*status, 0);
  EXPECT_NE(second.Errors().find("127.0.0.1:" + std::to_string(port) + ": the port is in use"), std::string::npos);
  EXPECT_EQ(testing::Fetch(Url(port, "/xh/xh00001.txt")).body, "#joke\r\n");  // the first one serves on
  EXPECT_EQ(first.Terminate(), 0);
}

TEST_F(ServersProcessTest, AMissingDataFolderIsWarnedAbout) {
  ServersProcess servers(Isolated({"--data", data_.File("nowhere"), "--http-port", "0"}));
  ASSERT_GT(servers.Port(), 0);
  EXPECT_EQ(servers.Terminate(), 0);
  EXPECT_NE(servers.Errors().find("warning: no data folder at " + data_.File("nowhere")), std::string::npos);
}

TEST_F(ServersProcessTest, AnUnknownFaultKindIsAUsageError) {
  ServersProcess servers(Isolated({"--data", data_.Path(), "--http-port", "0", "--fault", "/xh/=explode"}));
  EXPECT_EQ(servers.Port(), 0);
  EXPECT_EQ(servers.Ended(), 2);
  EXPECT_NE(servers.Errors().find("explode"), std::string::npos);
}

}  // namespace
}  // namespace tarvo::servers
