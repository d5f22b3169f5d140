#include <cstdio>

#include "platform/device/HostFiles.h"
#include "platform/ui/ImageCodec.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::testing {
namespace {

std::string Hex(uint32_t color) {
  char text[16];
  std::snprintf(text, sizeof text, "#%06X", color & 0xFFFFFFu);
  return text;
}

}  // namespace

::testing::AssertionResult MatchesReferencePng(const ui::Canvas& actual, const std::string& name) {
  std::string referencePath = std::string(TARVO_TEST_DATA_DIR) + "/ui/" + name;
  std::string actualPath = "ui-actual/" + name;
  auto fail = [&](const std::string& why) {
    ui::SavePng(actual, actualPath);
    return ::testing::AssertionFailure() << why << " (actual image written to " << actualPath << ")";
  };
  std::optional<std::string> bytes = host::ReadFile(referencePath);
  if (!bytes) return fail("reference image " + referencePath + " is missing");
  std::optional<ui::Canvas> reference = ui::DecodeImage(*bytes);
  if (!reference) return fail("reference image " + referencePath + " cannot be decoded");
  if (reference->Width() != actual.Width() || reference->Height() != actual.Height())
    return fail("size differs: reference " + std::to_string(reference->Width()) + "x" +
                std::to_string(reference->Height()) + ", actual " + std::to_string(actual.Width()) + "x" +
                std::to_string(actual.Height()));
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      if (reference->ColorAt(x, y) != actual.ColorAt(x, y))
        return fail("first differing pixel at (" + std::to_string(x) + ", " + std::to_string(y) +
                    "): reference " + Hex(reference->ColorAt(x, y)) + ", actual " + Hex(actual.ColorAt(x, y)));
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace tarvo::testing
