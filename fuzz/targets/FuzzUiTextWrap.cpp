// Any UTF-16 text (broken surrogates, control characters, long runs)
// measured, wrapped and drawn at any width.
#include <cstddef>
#include <cstdint>

#include "platform/ui/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static tarvo::ui::FontEngine engine;
  static tarvo::ui::Font font = engine.Create(18);
  int width = data[0] % 64;
  tarvo::WString text;
  for (size_t i = 1; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  auto spans = font.WrapSpans(text, width);
  for (const auto& span : spans) {
    if (span.start + span.length > text.size()) __builtin_trap();
  }
  tarvo::ui::Canvas canvas(40, 40);
  canvas.DrawTextWrapped(font, text, tarvo::ui::Rect{0, 0, width, 40}, 0);
  return 0;
}
