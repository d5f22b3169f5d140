#include "platform/device/DebugOutput.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

std::atomic<int>& Switch() {
  // -1: not decided yet, read the environment on first use.
  static std::atomic<int> state{-1};
  return state;
}

std::mutex& WriteLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

void SetDebugOutput(bool on) { Switch() = on ? 1 : 0; }

bool IsDebugOutputOn() {
  int state = Switch();
  if (state < 0) {
    const char* env = std::getenv("TARVO_DEBUG");
    state = (env != nullptr && std::strcmp(env, "1") == 0) ? 1 : 0;
    int expected = -1;
    Switch().compare_exchange_strong(expected, state);
    state = Switch();
  }
  return state == 1;
}

void DebugTrace(std::string_view utf8) {
  if (!IsDebugOutputOn()) return;
  std::lock_guard<std::mutex> guard(WriteLock());
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fflush(stderr);
}

void DebugTrace(WStringView text) { DebugTrace(ToUtf8(text)); }

}  // namespace tarvo
