#pragma once
// Decoded build pictures for the picture tests: RGBA bytes plus what the file
// itself declared (whether it carries an alpha channel).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::testing {

struct Rgba {
  uint8_t r, g, b, a;
};

struct Picture {
  int width = 0;
  int height = 0;
  bool fileHasAlpha = false;
  std::vector<Rgba> pixels;

  const Rgba& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The phone file-system root the build wrote its pictures below.
std::string GeneratedPhoneRoot();
// "<root>/Program Files/Tarvo/TarvoImage/<name>".
std::string TarvoImagePath(const std::string& name);
// "<root>/Windows/<name>".
std::string WindowsPath(const std::string& name);

// Decodes a PNG or JPEG file; nullopt when it is missing or cannot be decoded.
std::optional<Picture> LoadPicture(const std::string& path);

// 0..1 luminance of a pixel (Rec. 601 weights).
double Luminance(const Rgba& p);
// Mean luminance over the pixels whose alpha is at least minAlpha.
double MeanLuminance(const Picture& picture, int minAlpha = 1);
// Number of distinct RGBA values.
size_t DistinctColors(const Picture& picture);
// The picture halved in both directions by averaging 2 x 2 blocks
// (alpha-weighted), as a launcher drawing a 90-pixel icon into 45 pixels does.
Picture HalfSize(const Picture& picture);

}  // namespace tarvo::testing
