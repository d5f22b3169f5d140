#include "FaultRoutes.h"

#include <httplib.h>

#include <chrono>
#include <thread>

namespace tarvo::servers {
namespace {

constexpr auto kLongestStall = std::chrono::seconds(60);
constexpr size_t kChunk = 7000;

size_t QueryNumber(const httplib::Request& request, const char* name, size_t fallback) {
  if (!request.has_param(name)) return fallback;
  try {
    return static_cast<size_t>(std::stoull(request.get_param_value(name)));
  } catch (...) {
    return fallback;
  }
}

// Waits until the servers stop or the longest stall has passed.
void Stall(const std::atomic<bool>& stopping) {
  const auto until = std::chrono::steady_clock::now() + kLongestStall;
  while (!stopping && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace

char BigBodyByte(size_t index) {
  // Lines of 64 bytes: a six-digit line number, dashes, a line end.
  const size_t line = index / 64, column = index % 64;
  if (column == 63) return '\n';
  if (column < 6) {
    size_t divisor = 1;
    for (size_t i = column; i < 5; ++i) divisor *= 10;
    return static_cast<char>('0' + (line / divisor) % 10);
  }
  return '-';
}

void AddFaultRoutes(httplib::Server& server, const std::atomic<bool>& stopping) {
  server.Get("/_fault/echo", [](const httplib::Request& request, httplib::Response& response) {
    std::string body = request.method + " " + request.target + "\n";
    for (const auto& [name, value] : request.headers) body += name + ": " + value + "\n";
    response.set_content(body, "text/plain");
  });
  server.Get("/_fault/404", [](const httplib::Request&, httplib::Response& response) {
    response.status = 404;
    response.set_content("<html><body>404 Not Found</body></html>", "text/html");
  });
  server.Get("/_fault/zero-first", [](const httplib::Request&, httplib::Response& response) {
    response.set_content(std::string("\0after the zero", 15), "text/plain");
  });
  server.Get("/_fault/big", [](const httplib::Request& request, httplib::Response& response) {
    const size_t total = QueryNumber(request, "bytes", 3u << 20);
    response.set_content_provider(
        total, "text/plain", [](size_t offset, size_t length, httplib::DataSink& sink) {
          std::string chunk;
          for (size_t i = offset; i < offset + std::min(length, kChunk); ++i)
            chunk += BigBodyByte(i);
          return sink.write(chunk.data(), chunk.size());
        });
  });
  server.Get("/_fault/reset", [](const httplib::Request& request, httplib::Response& response) {
    const size_t after = QueryNumber(request, "after", 100);
    response.set_content_provider(
        after * 2 + 1, "text/plain", [after](size_t offset, size_t, httplib::DataSink& sink) {
          if (offset >= after) return false;  // drop the connection mid-body
          std::string part(after - offset, 'r');
          return sink.write(part.data(), part.size());
        });
  });
  server.Get("/_fault/stall", [&stopping](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider(
        "text/plain", [&stopping](size_t offset, httplib::DataSink& sink) {
          if (offset == 0) return sink.write("partial", 7);
          Stall(stopping);
          return false;
        });
  });
  server.Get("/_fault/stall-headers", [&stopping](const httplib::Request&, httplib::Response& response) {
    Stall(stopping);
    response.set_content("late", "text/plain");
  });
}

}  // namespace tarvo::servers
