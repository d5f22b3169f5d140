#include "platform/device/HostFileWriter.h"

#include "platform/device/HostFiles.h"

namespace tarvo {
namespace {

class HostFileWriter : public FileWriter {
 public:
  explicit HostFileWriter(int fd) : fd_(fd) {}
  ~HostFileWriter() override { host::Close(fd_); }
  bool Write(std::string_view bytes) override { return host::WriteAll(fd_, bytes); }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<FileWriter> OpenHostFileWriter(const std::string& hostPath) {
  if (hostPath.empty()) return nullptr;
  host::MakeFolders(host::Parent(hostPath));
  int fd = host::OpenTruncated(hostPath);
  if (fd < 0) return nullptr;
  return std::make_unique<HostFileWriter>(fd);
}

}  // namespace tarvo
