#include "TestRoutes.h"

#include <charconv>

namespace tarvo::servers {
namespace {

constexpr size_t kDefaultBigBytes = 3u << 20;
constexpr size_t kMostBigBytes = 64u << 20;

// The value of "name=" in a query, or fallback when absent or not a number.
size_t QueryNumber(const std::string& query, const std::string& name, size_t fallback) {
  size_t start = 0;
  while (start <= query.size()) {
    size_t end = query.find('&', start);
    if (end == std::string::npos) end = query.size();
    const std::string_view pair(query.data() + start, end - start);
    if (pair.size() > name.size() && pair.substr(0, name.size()) == name && pair[name.size()] == '=') {
      const std::string_view digits = pair.substr(name.size() + 1);
      size_t value = 0;
      auto [last, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
      if (error == std::errc() && last == digits.data() + digits.size()) return value;
      return fallback;
    }
    start = end + 1;
  }
  return fallback;
}

}  // namespace

char BigBodyByte(size_t index) {
  const size_t line = index / 64, column = index % 64;
  if (column == 63) return '\n';
  if (column < 6) {
    size_t divisor = 1;
    for (size_t i = column; i < 5; ++i) divisor *= 10;
    return static_cast<char>('0' + (line / divisor) % 10);
  }
  return '-';
}

std::optional<Answer> TestAnswer(const LoggedRequest& request, const std::string& path,
                                 const std::string& query) {
  if (path == "/_test/echo") {
    std::string body = request.method + " " + request.target + "\n";
    for (const auto& [name, value] : request.headers) body += name + ": " + value + "\n";
    return Answer{200, "text/plain", body};
  }
  if (path == "/_test/big") {
    const size_t total = std::min(QueryNumber(query, "bytes", kDefaultBigBytes), kMostBigBytes);
    Answer answer{200, "text/plain", {}};
    answer.body.resize(total);
    for (size_t i = 0; i < total; ++i) answer.body[i] = BigBodyByte(i);
    return answer;
  }
  return std::nullopt;
}

}  // namespace tarvo::servers
