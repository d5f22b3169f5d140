#pragma once
// Runs one of the project's programs as a child process for a test: its
// standard output and error go to files, waits have deadlines, and a child
// still running when the object goes is killed.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::testing {

class ChildProcess {
 public:
  // Starts program with args; env entries ("NAME=value") are added to the
  // test's environment. Output goes below folder.
  ChildProcess(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
               const std::vector<std::string>& env = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // The exit status once it ended within the deadline (a signal gives 128 + it).
  std::optional<int> Wait(std::chrono::milliseconds deadline);
  void Signal(int signal);
  std::string Stdout() const;
  std::string Stderr() const;
  // Waits until standard output holds text.
  bool WaitForOutput(const std::string& text, std::chrono::milliseconds deadline) const;
  bool WaitForError(const std::string& text, std::chrono::milliseconds deadline) const;

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
  std::string stdoutPath_;
  std::string stderrPath_;
};

// Runs program to its end (at most deadline) and returns its status, or -1.
int RunToEnd(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
             std::chrono::milliseconds deadline = std::chrono::seconds(30), std::string* out = nullptr,
             std::string* err = nullptr, const std::vector<std::string>& env = {});

}  // namespace tarvo::testing
