#include "net/AccountSocket.h"

#include <charconv>

namespace tarvo {

std::optional<AccountEndpoint> ParseAccountServer(std::string_view text) {
  AccountEndpoint endpoint;
  auto colon = text.rfind(':');
  std::string_view host = colon == std::string_view::npos ? text : text.substr(0, colon);
  if (host.empty() || host.find_first_of(" \t:") != std::string_view::npos) return std::nullopt;
  if (colon != std::string_view::npos) {
    std::string_view port = text.substr(colon + 1);
    unsigned value = 0;
    auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (port.empty() || error != std::errc() || end != port.data() + port.size() || value == 0 ||
        value > 65535) {
      return std::nullopt;
    }
    endpoint.port = static_cast<uint16_t>(value);
  }
  endpoint.host = std::string(host);
  return endpoint;
}

bool AccountSocket::Open(std::string_view server) {
  auto endpoint = ParseAccountServer(server);
  if (!endpoint) return false;
  return socket_.Connect(endpoint->host, endpoint->port, stepTimeout_, stop_);
}

std::ptrdiff_t AccountSocket::Send(const uint8_t* bytes, size_t size) {
  std::ptrdiff_t sent = socket_.Send(bytes, size, stepTimeout_, stop_);
  return sent > 0 ? sent : kError;
}

std::ptrdiff_t AccountSocket::Receive(uint8_t* buffer, size_t size,
                                      std::chrono::milliseconds wait) {
  std::ptrdiff_t got = socket_.Receive(buffer, size, wait, stop_);
  if (got == TcpSocket::kStopped) return kTimedOut;
  return got;
}

}  // namespace tarvo
