#include "ContentRoutes.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace tarvo::servers {
namespace {

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string ContentType(const std::string& file) {
  auto endsWith = [&](const char* ending) {
    const std::string e(ending);
    return file.size() >= e.size() && file.compare(file.size() - e.size(), e.size(), e) == 0;
  };
  if (endsWith(".jpg")) return "image/jpeg";
  if (endsWith(".png")) return "image/png";
  if (endsWith(".xml")) return "text/xml";
  if (endsWith(".exe")) return "application/octet-stream";
  if (endsWith(".txt")) return "text/plain";
  return "text/html";
}

}  // namespace

Answer ContentAnswer(const std::string& contentDir, const std::string& path, const std::string& query) {
  const auto relative = ContentFileFor(path, query);
  const auto file = relative ? ContainedFile(contentDir, *relative) : std::nullopt;
  const auto body = file ? ReadFile(*file) : std::nullopt;
  if (!body) return ErrorPage(404);
  return {200, ContentType(*relative), *body};
}

}  // namespace tarvo::servers
