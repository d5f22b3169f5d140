#include "support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace tarvo::testing {
namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::atomic<int> childCounter{0};

// Waits for cond, checking again at short intervals up to the deadline (the
// child is another process: nothing can wake this thread when it writes).
template <class F>
bool PollUntil(F cond, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!cond()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    ::poll(nullptr, 0, 5);
  }
  return true;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::string& folder, const std::vector<std::string>& env) {
  const int n = childCounter++;
  stdoutPath_ = folder + "/child" + std::to_string(n) + ".out";
  stderrPath_ = folder + "/child" + std::to_string(n) + ".err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, stdoutPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, stderrPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> argvText;
  argvText.push_back(program);
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& arg : argvText) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::vector<std::string> envText;
  for (char** e = environ; *e != nullptr; ++e) envText.emplace_back(*e);
  envText.insert(envText.end(), env.begin(), env.end());
  std::vector<char*> envp;
  for (auto& entry : envText) envp.push_back(entry.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) pid_ = pid;
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0 && !status_) {
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds deadline) {
  if (status_ || pid_ <= 0) return status_;
  int status = 0;
  bool ended = PollUntil([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, deadline);
  if (!ended) return std::nullopt;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return status_;
}

void ChildProcess::Signal(int signal) {
  if (pid_ > 0 && !status_) ::kill(pid_, signal);
}

std::string ChildProcess::Stdout() const { return ReadWhole(stdoutPath_); }
std::string ChildProcess::Stderr() const { return ReadWhole(stderrPath_); }

bool ChildProcess::WaitForOutput(const std::string& text, std::chrono::milliseconds deadline) const {
  return PollUntil([&] { return Stdout().find(text) != std::string::npos; }, deadline);
}

bool ChildProcess::WaitForError(const std::string& text, std::chrono::milliseconds deadline) const {
  return PollUntil([&] { return Stderr().find(text) != std::string::npos; }, deadline);
}

int RunToEnd(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
             std::chrono::milliseconds deadline, std::string* out, std::string* err,
             const std::vector<std::string>& env) {
  ChildProcess child(program, args, folder, env);
  if (!child.Started()) return -1;
  auto status = child.Wait(deadline);
  if (out != nullptr) *out = child.Stdout();
  if (err != nullptr) *err = child.Stderr();
  return status.value_or(-1);
}

}  // namespace tarvo::testing
