#include "ContentPath.h"

#include <filesystem>
#include <system_error>

namespace tarvo::servers {

std::optional<std::string> ContentFileFor(const std::string& path, const std::string& query) {
  if (path.empty() || path[0] != '/') return std::nullopt;
  if (path.find('\0') != std::string::npos || query.find('\0') != std::string::npos) return std::nullopt;
  // The query becomes part of one file name: it may not name a folder.
  if (query.find('/') != std::string::npos) return std::nullopt;
  // "//etc" is "etc" below the folder, never the host's /etc.
  std::string relative = path.substr(path.find_first_not_of('/') == std::string::npos
                                         ? path.size()
                                         : path.find_first_not_of('/'));
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find('/', start);
    if (end == std::string::npos) end = relative.size();
    const std::string_view part(relative.data() + start, end - start);
    if (part == ".." || part == ".") return std::nullopt;
    start = end + 1;
  }
  if (!query.empty()) relative += "@" + query;
  return relative;
}

std::optional<std::string> ContainedFile(const std::string& contentDir, const std::string& relative) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path root = fs::canonical(contentDir, error);
  if (error) return std::nullopt;
  const fs::path file = fs::canonical(root / fs::path(relative), error);
  if (error || !fs::is_regular_file(file, error)) return std::nullopt;
  // Inside means: the root's components are a prefix of the file's.
  auto fileParts = file.begin();
  for (const auto& part : root) {
    if (fileParts == file.end() || *fileParts != part) return std::nullopt;
    ++fileParts;
  }
  if (fileParts == file.end()) return std::nullopt;
  return file.string();
}

}  // namespace tarvo::servers
