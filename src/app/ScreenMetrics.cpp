#include "app/ScreenMetrics.h"

#include <algorithm>

namespace tarvo {
namespace {

struct ResolutionEntry {
  int product;
  int resolutionClass;
  int iconSize;
};

constexpr ResolutionEntry kResolutions[] = {
    {76800, 1, 45},  {96000, 2, 45},  {102400, 6, 45}, {153600, 5, 45},
    {230400, 7, 90}, {307200, 3, 90}, {384000, 4, 90},
};

const ResolutionEntry* Find(int width, int height) {
  const long long product = static_cast<long long>(width) * height;
  for (const auto& entry : kResolutions) {
    if (entry.product == product) return &entry;
  }
  return nullptr;
}

}  // namespace

std::optional<int> ResolutionClassFor(int width, int height) {
  const ResolutionEntry* entry = Find(width, height);
  if (entry == nullptr) return std::nullopt;
  return entry->resolutionClass;
}

void ChooseTextMetrics(ScreenMetrics& metrics) {
  const int shorter = std::min(metrics.ScreenWidth, metrics.ScreenHeight);
  if (shorter <= 240) {
    metrics.TextHeight = 18, metrics.ButtonWidth = 45, metrics.ButtonHeight = 24;
  } else if (shorter < 480) {
    metrics.TextHeight = 24, metrics.ButtonWidth = 60, metrics.ButtonHeight = 32;
  } else {
    metrics.TextHeight = 36, metrics.ButtonWidth = 80, metrics.ButtonHeight = 48;
  }
}

bool MeasureScreen(ScreenMetrics& metrics, int width, int height) {
  const ResolutionEntry* entry = Find(width, height);
  if (entry == nullptr) return false;
  metrics.ScreenWidth = width;
  metrics.ScreenHeight = height;
  metrics.ResolutionClass = entry->resolutionClass;
  metrics.IconSize = entry->iconSize;
  ChooseTextMetrics(metrics);
  return true;
}

}  // namespace tarvo
