#include "ContentRoutes.h"

#include <httplib.h>

#include <fstream>
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

std::optional<std::string> ContentFileFor(const std::string& path, const std::string& query) {
  if (path.empty() || path[0] != '/') return std::nullopt;
  std::string relative = path.substr(1);
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find('/', start);
    if (end == std::string::npos) end = relative.size();
    const std::string part = relative.substr(start, end - start);
    if (part == ".." || part == "." || part.find('\0') != std::string::npos) return std::nullopt;
    start = end + 1;
  }
  if (!query.empty()) relative += "@" + query;
  return relative;
}

void AddContentRoutes(httplib::Server& server, const std::string& contentDir) {
  server.Get(R"(/.*)", [contentDir](const httplib::Request& request, httplib::Response& response) {
    const size_t question = request.target.find('?');
    const std::string query = question == std::string::npos ? "" : request.target.substr(question + 1);
    auto file = ContentFileFor(request.path, query);
    std::optional<std::string> body;
    if (file && !file->empty() && file->back() != '/') body = ReadFile(contentDir + "/" + *file);
    if (!body) {
      response.status = 404;
      response.set_content("<html><body><h1>404 Not Found</h1></body></html>", "text/html");
      return;
    }
    response.set_content(*body, ContentType(*file).c_str());
  });
}

}  // namespace tarvo::servers
