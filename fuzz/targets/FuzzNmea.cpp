// GPS lines read from a byte source and their "$GPRMC" fields.
#include <cstdint>
#include <string_view>

#include "timesync/Nmea.h"

namespace {

class MemorySource : public tarvo::NmeaByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::optional<uint8_t> ReadByte() override {
    if (bytes_.empty()) return std::nullopt;
    uint8_t byte = static_cast<uint8_t>(bytes_[0]);
    bytes_.remove_prefix(1);
    return byte;
  }

 private:
  std::string_view bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ParseRmc(bytes);
  MemorySource source(bytes);
  std::string line;
  while (ReadNmeaLine(source, line, 64) >= 0) {
    RmcReading reading = ParseRmc(line);
    if (reading.utc) FormatIsoUtc(*reading.utc);
  }
  return 0;
}
