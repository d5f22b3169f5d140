#pragma once
// A pseudo terminal standing in for a serial device in tests: the test keeps
// the master side (the far end) and hands out the slave's path.
#include <chrono>
#include <string>
#include <string_view>

namespace tarvo::testing {

class TestPty {
 public:
  TestPty();  // fails the test (ADD_FAILURE) when no pty can be made
  ~TestPty();
  TestPty(const TestPty&) = delete;
  TestPty& operator=(const TestPty&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  // Writes bytes to the far end's output (what the port reads).
  bool Send(std::string_view bytes);
  // Everything that arrives from the port within wait.
  std::string Receive(std::chrono::milliseconds wait);
  // Opens the slave once more and keeps it open, as a device's own driver does.
  int HoldSlave();
  int Master() const { return master_; }

 private:
  int master_ = -1;
  int heldSlave_ = -1;
  std::string slavePath_;
};

}  // namespace tarvo::testing
