#pragma once
// FileWriter over a host file descriptor.
#include <memory>
#include <string>

#include "platform/device/FileAccess.h"

namespace tarvo {

// Creates parent folders, then creates or truncates the file.
std::unique_ptr<FileWriter> OpenHostFileWriter(const std::string& hostPath);

}  // namespace tarvo
