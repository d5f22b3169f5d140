#include "ContentRoutes.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

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

std::string WithBase(std::string text, const std::string& base) {
  const std::string marker = "{{base}}";
  for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + base.size()))
    text.replace(at, marker.size(), base);
  return text;
}

}  // namespace

std::string StandInInstaller() {
  std::string body = "TARVO STAND-IN INSTALLER 1.16\r\n";
  constexpr size_t kSize = 300 * 1024;
  const size_t end = body.size() + kSize;
  body.reserve(end);
  // Every byte value first, then a fixed pseudo-random run.
  for (int value = 0; value < 256; ++value) body.push_back(static_cast<char>(value));
  uint32_t state = 20261207u;
  while (body.size() < end) {
    state = state * 1664525u + 1013904223u;
    body.push_back(static_cast<char>(state >> 24));
  }
  return body;
}

Answer ContentAnswer(const std::string& contentDir, const std::string& path, const std::string& query,
                     const std::string& base) {
  const auto relative = ContentFileFor(path, query);
  const auto file = relative ? ContainedFile(contentDir, *relative) : std::nullopt;
  const auto body = file ? ReadFile(*file) : std::nullopt;
  if (body) return {200, ContentType(*relative), *body};
  if (relative) {
    const auto source = ContainedFile(contentDir, *relative + ".utf8");
    const auto text = source ? ReadFile(*source) : std::nullopt;
    if (text) return {200, ContentType(*relative), ToCodePage(FromUtf8(WithBase(*text, base)), "GBK")};
  }
  if (path == "/tarvo/update.exe" && query.empty()) return {200, "application/octet-stream", StandInInstaller()};
  return ErrorPage(404);
}

}  // namespace tarvo::servers
