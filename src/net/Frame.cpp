#include "net/Frame.h"

#include <vector>

#include "platform/text/Utf16Be.h"

namespace tarvo {
namespace {

using Clock = std::chrono::steady_clock;

uint32_t DeclaredLength(const uint8_t* header) {
  return (static_cast<uint32_t>(header[1]) << 24) | (static_cast<uint32_t>(header[2]) << 16) |
         (static_cast<uint32_t>(header[3]) << 8) | header[4];
}

bool AcceptableLength(uint32_t length) { return length % 2 == 0 && length <= kMaxFramePayload; }

bool Stopped(const ReceiveOptions& options) {
  return options.stop != nullptr && options.stop->load();
}

// Fills buffer[filled, size) before the deadline.
ReceiveStatus ReceiveRest(ByteStream& stream, uint8_t* buffer, size_t size, size_t filled,
                          Clock::time_point deadline) {
  while (filled < size) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return ReceiveStatus::kTimedOut;
    std::ptrdiff_t got = stream.Receive(buffer + filled, size - filled, left);
    if (got == ByteStream::kClosed) return ReceiveStatus::kClosed;
    if (got == ByteStream::kTimedOut) return ReceiveStatus::kTimedOut;
    if (got < 0) return ReceiveStatus::kError;
    filled += static_cast<size_t>(got);
  }
  return ReceiveStatus::kFrame;
}

}  // namespace

std::optional<std::string> EncodeFrame(uint8_t type, WStringView text) {
  std::string payload = ToUtf16Be(text);
  if (payload.size() > kMaxFramePayload) return std::nullopt;
  uint32_t length = static_cast<uint32_t>(payload.size());
  std::string bytes;
  bytes.reserve(kFrameHeaderSize + payload.size());
  bytes += static_cast<char>(type);
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((length >> shift) & 0xFFu);
  bytes += payload;
  return bytes;
}

std::optional<Frame> DecodeFrame(std::string_view bytes) {
  if (bytes.size() < kFrameHeaderSize) return std::nullopt;
  const auto* header = reinterpret_cast<const uint8_t*>(bytes.data());
  uint32_t length = DeclaredLength(header);
  if (!AcceptableLength(length) || length > bytes.size() - kFrameHeaderSize) return std::nullopt;
  return Frame{header[0], FromUtf16Be(bytes.substr(kFrameHeaderSize, length))};
}

WString DecodeReceivedText(std::string_view bytes) {
  if (bytes.size() <= kFrameHeaderSize) return {};
  uint32_t length = DeclaredLength(reinterpret_cast<const uint8_t*>(bytes.data()));
  std::string_view payload = bytes.substr(kFrameHeaderSize);
  if (payload.size() > length) payload = payload.substr(0, length);
  return FromUtf16Be(payload);  // drops a trailing odd byte
}

bool SendFrame(ByteStream& stream, uint8_t type, WStringView text) {
  auto bytes = EncodeFrame(type, text);
  if (!bytes) return false;
  const auto* data = reinterpret_cast<const uint8_t*>(bytes->data());
  size_t sent = 0;
  while (sent < bytes->size()) {
    std::ptrdiff_t count = stream.Send(data + sent, bytes->size() - sent);
    if (count <= 0) return false;
    sent += static_cast<size_t>(count);
  }
  return true;
}

ReceivedFrame ReceiveFrame(ByteStream& stream, const ReceiveOptions& options) {
  ReceivedFrame result;
  uint8_t header[kFrameHeaderSize];
  std::ptrdiff_t got = ByteStream::kTimedOut;
  while (got == ByteStream::kTimedOut) {
    if (Stopped(options)) {
      result.status = ReceiveStatus::kStopped;
      return result;
    }
    got = stream.Receive(header, sizeof header, options.pollSlice);
  }
  if (got == ByteStream::kClosed) {
    result.status = ReceiveStatus::kClosed;
    return result;
  }
  if (got < 0) return result;  // kError
  auto deadline = Clock::now() + options.frameTimeout;
  result.status = ReceiveRest(stream, header, sizeof header, static_cast<size_t>(got), deadline);
  if (result.status != ReceiveStatus::kFrame) return result;
  uint32_t length = DeclaredLength(header);
  if (!AcceptableLength(length)) {
    result.status = ReceiveStatus::kRefused;
    return result;
  }
  std::vector<uint8_t> payload(length);
  result.status = ReceiveRest(stream, payload.data(), payload.size(), 0, deadline);
  if (result.status != ReceiveStatus::kFrame) return result;
  result.frame.type = header[0];
  result.frame.text =
      FromUtf16Be(std::string_view(reinterpret_cast<const char*>(payload.data()), payload.size()));
  return result;
}

std::optional<WString> ReceiveUploadReply(ByteStream& stream, std::chrono::milliseconds wait) {
  uint8_t buffer[kUploadReplyLimit];
  size_t filled = 0;
  size_t wanted = sizeof buffer;
  auto deadline = Clock::now() + wait;
  while (filled < wanted) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() < 0) left = std::chrono::milliseconds(0);
    std::ptrdiff_t got = stream.Receive(buffer + filled, wanted - filled, left);
    if (got <= 0) break;
    filled += static_cast<size_t>(got);
    if (filled >= kFrameHeaderSize) {
      // The whole declared frame, when it fits the limit.
      size_t declared = kFrameHeaderSize + DeclaredLength(buffer);
      if (declared < wanted) wanted = declared;
    }
    if (left.count() == 0) break;
  }
  if (filled == 0) return std::nullopt;
  return DecodeReceivedText(std::string_view(reinterpret_cast<const char*>(buffer), filled));
}

}  // namespace tarvo
