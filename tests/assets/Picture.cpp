#include "Picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <memory>
#include <set>

namespace tarvo::testing {

std::string GeneratedPhoneRoot() {
  const char* dir = std::getenv("TARVO_GENERATED_TEMPLATE_DIR");
  if (dir == nullptr || *dir == '\0') dir = TARVO_GENERATED_TEMPLATE_DIR;
  return std::string(dir) + "/fs";
}

std::string TarvoImagePath(const std::string& name) {
  return GeneratedPhoneRoot() + "/Program Files/Tarvo/TarvoImage/" + name;
}

std::string WindowsPath(const std::string& name) {
  return GeneratedPhoneRoot() + "/Windows/" + name;
}

std::optional<Picture> LoadPicture(const std::string& path) {
  using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
  SurfacePtr loaded(IMG_Load(path.c_str()), &SDL_FreeSurface);
  if (!loaded) return std::nullopt;
  Picture picture;
  picture.width = loaded->w;
  picture.height = loaded->h;
  picture.fileHasAlpha = loaded->format->Amask != 0 || loaded->format->palette != nullptr;
  SurfacePtr rgba(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0), &SDL_FreeSurface);
  if (!rgba) return std::nullopt;
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = static_cast<const uint8_t*>(rgba->pixels) + static_cast<ptrdiff_t>(y) * rgba->pitch;
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* p = row + static_cast<ptrdiff_t>(x) * 4;
      picture.pixels[static_cast<size_t>(y) * picture.width + x] = {p[0], p[1], p[2], p[3]};
    }
  }
  return picture;
}

double Luminance(const Rgba& p) {
  return (0.299 * p.r + 0.587 * p.g + 0.114 * p.b) / 255.0;
}

double MeanLuminance(const Picture& picture, int minAlpha) {
  double sum = 0;
  size_t count = 0;
  for (const Rgba& p : picture.pixels) {
    if (p.a < minAlpha) continue;
    sum += Luminance(p);
    ++count;
  }
  return count == 0 ? 0.0 : sum / static_cast<double>(count);
}

size_t DistinctColors(const Picture& picture) {
  std::set<uint32_t> seen;
  for (const Rgba& p : picture.pixels)
    seen.insert(static_cast<uint32_t>(p.r) << 24 | static_cast<uint32_t>(p.g) << 16 |
                static_cast<uint32_t>(p.b) << 8 | p.a);
  return seen.size();
}

Picture HalfSize(const Picture& picture) {
  Picture half;
  half.width = picture.width / 2;
  half.height = picture.height / 2;
  half.fileHasAlpha = picture.fileHasAlpha;
  half.pixels.resize(static_cast<size_t>(half.width) * half.height);
  for (int y = 0; y < half.height; ++y) {
    for (int x = 0; x < half.width; ++x) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          const Rgba& p = picture.At(2 * x + dx, 2 * y + dy);
          r += p.r * p.a;
          g += p.g * p.a;
          b += p.b * p.a;
          a += p.a;
        }
      }
      Rgba& out = half.pixels[static_cast<size_t>(y) * half.width + x];
      out.a = static_cast<uint8_t>(a / 4 + 0.5);
      if (a > 0) {
        out.r = static_cast<uint8_t>(r / a + 0.5);
        out.g = static_cast<uint8_t>(g / a + 0.5);
        out.b = static_cast<uint8_t>(b / a + 0.5);
      } else {
        out.r = out.g = out.b = 0;
      }
    }
  }
  return half;
}

}  // namespace tarvo::testing
