#pragma once
// GETs over loopback for the server tests, with short waits: through the
// program's own transport, or as raw bytes to see the headers.
#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "platform/net/HttpTransport.h"

namespace tarvo::servers::testing {

struct Fetched {
  HttpOutcome outcome = HttpOutcome::NotConnected;
  long status = 0;
  long long length = -2;  // announced length; -1 when none was announced
  std::string body;
};

inline Fetched Fetch(const std::string& url, std::chrono::milliseconds wait = std::chrono::milliseconds(2000)) {
  Fetched fetched;
  HttpGetOptions options;
  options.connectTimeout = options.requestTimeout = options.readTimeout = wait;
  options.readSize = 1;  // every byte that arrived, even when the transfer breaks off
  HttpGetCallbacks callbacks;
  callbacks.onResponse = [&](long status, long long length) {
    fetched.status = status;
    fetched.length = length;
    return true;
  };
  callbacks.onRead = [&](std::string_view bytes) {
    fetched.body += bytes;
    return true;
  };
  fetched.outcome = HttpGet(url, options, callbacks);
  return fetched;
}

// A connection to 127.0.0.1:port, or -1.
inline int Connect(int port) {
  const int sock = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
  if (connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(sock);
    return -1;
  }
  timeval wait{2, 0};
  setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  return sock;
}

// The whole answer, headers included, to one request that closes the connection.
inline std::string RawGet(int port, const std::string& target) {
  const int sock = Connect(port);
  if (sock < 0) return "";
  const std::string request = "GET " + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
  std::string answer;
  if (send(sock, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size())) {
    char buffer[4096];
    for (ssize_t got; (got = recv(sock, buffer, sizeof buffer, 0)) > 0;) answer.append(buffer, got);
  }
  close(sock);
  return answer;
}

}  // namespace tarvo::servers::testing
