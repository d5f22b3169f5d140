#pragma once
// Frames of the account protocol: a type byte, a 4-byte big-endian payload
// length, then the text as big-endian UTF-16.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "net/ByteStream.h"
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr uint8_t kFrameHello = 2;
inline constexpr uint8_t kFrameLogin = 3;
inline constexpr uint8_t kFrameUpload = 17;
inline constexpr size_t kFrameHeaderSize = 5;
// Larger frames are refused in both directions; the protocol's texts are a
// few hundred characters at most.
inline constexpr size_t kMaxFramePayload = 64 * 1024;
// The upload reply is read up to this many bytes.
inline constexpr size_t kUploadReplyLimit = 256;

struct Frame {
  uint8_t type = 0;
  WString text;
};

// The frame's bytes; nullopt when the text's payload exceeds kMaxFramePayload.
std::optional<std::string> EncodeFrame(uint8_t type, WStringView text);
// The frame at the start of bytes; nullopt when the bytes are shorter than a
// header, the declared length is odd, over kMaxFramePayload, or longer than
// the bytes that follow the header. Bytes after the frame are ignored.
std::optional<Frame> DecodeFrame(std::string_view bytes);
// The text of whatever part of a frame was received: the payload bytes
// present, up to the declared length, a trailing odd byte dropped.
WString DecodeReceivedText(std::string_view bytes);

// True only when every byte of the frame was sent.
bool SendFrame(ByteStream& stream, uint8_t type, WStringView text);

enum class ReceiveStatus { kFrame, kClosed, kError, kTimedOut, kRefused, kStopped };

struct ReceivedFrame {
  ReceiveStatus status = ReceiveStatus::kError;
  Frame frame;
};

struct ReceiveOptions {
  // The wait for a frame to begin is made of slices of this length, between
  // which the stop flag is read.
  std::chrono::milliseconds pollSlice{1000};
  // Once a frame has begun, the whole of it must arrive within this time.
  std::chrono::milliseconds frameTimeout{30000};
  const std::atomic<bool>* stop = nullptr;
};

// Waits for the next frame (until stopped) and receives it whole, over as
// many receive calls as it takes. A declared length that is odd or over
// kMaxFramePayload is refused before anything is allocated for it.
ReceivedFrame ReceiveFrame(ByteStream& stream, const ReceiveOptions& options = {});

// The upload reply: received within the wait until its declared frame or
// kUploadReplyLimit bytes are in (a receive may bring just the header), and
// decoded from the bytes received only; nullopt when nothing came. What came
// before the peer closed or the wait ran out is decoded as it is.
std::optional<WString> ReceiveUploadReply(ByteStream& stream, std::chrono::milliseconds wait);

}  // namespace tarvo
