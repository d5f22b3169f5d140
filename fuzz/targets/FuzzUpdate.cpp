// The update decision over an arbitrary description file.
#include <cstdint>
#include <string_view>

#include "app/UpdateDecision.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DecideUpdate(bytes, u"");
  DecideUpdate(bytes, u"shop");
  DecideUpdate(bytes, u"Update", u"99999999999.-1");
  return 0;
}
