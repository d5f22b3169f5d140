#include "platform/device/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace tarvo {

FileLock::FileLock(const std::string& lockPath, Mode mode) {
  Take(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644), mode);
}

std::unique_ptr<FileLock> FileLock::OnFolder(const std::string& folder, Mode mode) {
  std::unique_ptr<FileLock> lock(new FileLock());
  lock->Take(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), mode);
  return lock;
}

bool FileLock::Take(int fd, Mode mode) {
  if (fd < 0) return false;
  int flags = LOCK_EX | (mode == Mode::TryOnly ? LOCK_NB : 0);
  int result;
  do {
    result = ::flock(fd, flags);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

FileLock::~FileLock() {
  if (fd_ >= 0) {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
  }
}

}  // namespace tarvo
