#pragma once
// An exclusive lock on a lock file, or on a folder itself, that holds between
// threads and processes (flock on a descriptor of its own, so two objects
// exclude each other even in one thread). Released when the object goes.
#include <memory>
#include <string>

namespace tarvo {

class FileLock {
 public:
  enum class Mode { Wait, TryOnly };
  FileLock(const std::string& lockPath, Mode mode = Mode::Wait);
  // A lock on an existing folder; no file is made for it.
  static std::unique_ptr<FileLock> OnFolder(const std::string& folder, Mode mode = Mode::Wait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  FileLock() = default;
  bool Take(int fd, Mode mode);

  int fd_ = -1;
};

}  // namespace tarvo
