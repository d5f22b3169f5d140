// Picture bytes of any shape: decoding gives a canvas or nothing, and a
// decoded canvas can be drawn and saved.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ui/ImageCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto picture = tarvo::ui::DecodeImage(bytes);
  if (picture && picture->Width() <= 512 && picture->Height() <= 512) {
    tarvo::ui::Canvas screen(64, 64);
    screen.Stretch(*picture, tarvo::ui::Rect{0, 0, picture->Width(), picture->Height()},
                   tarvo::ui::Rect{-3, -3, 70, 40});
    tarvo::ui::EncodePng(*picture);
  }
  return 0;
}
