// The account server's handling of any request frames: the input is split
// into frames as the server receives them, and each is answered by one
// connection's session over a store in a temporary database.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

#include "account/AccountSession.h"
#include "account/AccountStore.h"

namespace {

tarvo::servers::AccountStore& Store() {
  static std::unique_ptr<tarvo::servers::AccountStore> store = [] {
    char folder[] = "/tmp/tarvo-fuzz-accountsXXXXXX";
    std::string path = std::string(mkdtemp(folder)) + "/accounts.db";
    std::string error;
    return tarvo::servers::AccountStore::Open(path, "", &error);
  }();
  return *store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  servers::AccountSession session(Store());
  while (auto frame = DecodeFrame(bytes)) {
    Frame reply = session.Handle(*frame);
    auto encoded = EncodeFrame(reply.type, reply.text);
    if (!encoded || encoded->size() > servers::kMaxReplyBytes) __builtin_trap();
    bytes.remove_prefix(kFrameHeaderSize + 2 * frame->text.size());
    servers::ParseUpload(frame->text);
  }
  return 0;
}
