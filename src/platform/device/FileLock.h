#pragma once
// An exclusive lock on a lock file that holds between threads and processes
// (flock on a descriptor of its own). Released when the object goes.
#include <string>

namespace tarvo {

class FileLock {
 public:
  enum class Mode { Wait, TryOnly };
  FileLock(const std::string& lockPath, Mode mode = Mode::Wait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace tarvo
