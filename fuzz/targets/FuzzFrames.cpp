// Account frames: decoding a buffer, receiving over a stream in pieces, and
// reading fields from the text.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "net/Fields.h"
#include "net/Frame.h"

namespace {

// Hands out the input in pieces whose sizes come from the input itself.
class MemoryStream : public tarvo::ByteStream {
 public:
  explicit MemoryStream(std::string_view bytes) : bytes_(bytes) {}
  std::ptrdiff_t Send(const uint8_t*, size_t size) override { return static_cast<std::ptrdiff_t>(size); }
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds) override {
    if (bytes_.empty()) return kClosed;
    size_t piece = std::min({size, bytes_.size(), static_cast<size_t>(bytes_[0] % 7 + 1)});
    std::copy(bytes_.begin(), bytes_.begin() + piece, buffer);
    bytes_.remove_prefix(piece);
    return static_cast<std::ptrdiff_t>(piece);
  }

 private:
  std::string_view bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto frame = DecodeFrame(bytes)) {
    GetField(frame->text, u"RESULT");
    GetIntField(frame->text, u"RESULT");
    GetField(frame->text, u"SESSIONID");
  }
  DecodeReceivedText(bytes);
  MemoryStream stream(bytes);
  ReceivedFrame received = ReceiveFrame(stream);
  if (received.status == ReceiveStatus::kFrame) GetField(received.frame.text, u"CONTENT");
  MemoryStream reply(bytes);
  ReceiveUploadReply(reply, std::chrono::milliseconds(0));
  return 0;
}
