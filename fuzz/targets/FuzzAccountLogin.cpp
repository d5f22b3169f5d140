// The login and upload exchanges on any reply: the input is what the server
// sends, handed out in pieces whose sizes come from the input itself.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "jokes/AccountExchange.h"

namespace {

class ReplyStream : public tarvo::ByteStream {
 public:
  explicit ReplyStream(std::string_view bytes) : bytes_(bytes) {}
  std::ptrdiff_t Send(const uint8_t*, size_t size) override { return static_cast<std::ptrdiff_t>(size); }
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds) override {
    if (bytes_.empty()) return kClosed;
    size_t piece = std::min({size, bytes_.size(), static_cast<size_t>(bytes_[0] % 11 + 1)});
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
  AccountExchangeSettings settings;
  settings.stepTimeout = std::chrono::milliseconds(50);
  settings.pollSlice = std::chrono::milliseconds(10);
  ReplyStream login(bytes);
  LoginOutcome outcome = ExchangeLogin(login, {u"tom_1", u"abc123", {}, u""}, settings);
  // Every end but a stop says something.
  if (outcome.end != ExchangeEnd::kStopped && outcome.message.empty() && !outcome.loggedIn()) __builtin_trap();
  ReplyStream upload(bytes);
  UploadOutcome uploaded = ExchangeUpload(upload, {u"t", u"其他", u"b", u"tom_1"}, settings);
  if (uploaded.end == ExchangeEnd::kFailed && uploaded.message.empty()) __builtin_trap();
  return 0;
}
