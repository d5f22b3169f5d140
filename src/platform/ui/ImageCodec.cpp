#include "platform/ui/ImageCodec.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <png.h>

#include "platform/device/HostFiles.h"

#include <cstdio>
#include <limits>
#include <memory>

namespace tarvo::ui {
namespace {

// Larger pictures than this are refused rather than decoded into memory.
constexpr int kMaxImageSide = 8192;

void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::string*>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char*>(data), length);
}

void IgnoreFlush(png_structp) {}

}  // namespace

std::optional<Canvas> DecodeImage(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
    return std::nullopt;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (stream == nullptr) return std::nullopt;
  SDL_Surface* decoded = IMG_Load_RW(stream, 1);
  if (decoded == nullptr) return std::nullopt;
  std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> holder(decoded, SDL_FreeSurface);
  if (decoded->w <= 0 || decoded->h <= 0 || decoded->w > kMaxImageSide || decoded->h > kMaxImageSide)
    return std::nullopt;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
  if (argb == nullptr) return std::nullopt;
  std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> argbHolder(argb, SDL_FreeSurface);
  Canvas canvas(argb->w, argb->h, PixelFormat::Rgba, 0);
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        static_cast<ptrdiff_t>(y) * argb->pitch);
    std::copy_n(row, argb->w, canvas.Pixels() + static_cast<size_t>(y) * argb->w);
  }
  SDL_UnlockSurface(argb);
  return canvas;
}

std::optional<Canvas> LoadImageFile(FileAccess& files, WStringView path) {
  if (path.empty()) return std::nullopt;
  std::optional<std::string> bytes = files.ReadAll(path);
  if (!bytes) return std::nullopt;
  return DecodeImage(*bytes);
}

std::optional<std::string> EncodePng(const Canvas& canvas) {
  if (canvas.IsEmpty()) return std::nullopt;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  std::string out;
  bool alpha = canvas.Format() == PixelFormat::Rgba;
  int channels = alpha ? 4 : 3;
  std::vector<png_byte> row(static_cast<size_t>(canvas.Width()) * channels);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return std::nullopt;
  }
  png_set_write_fn(png, &out, AppendPngBytes, IgnoreFlush);
  png_set_IHDR(png, info, canvas.Width(), canvas.Height(), 8,
               alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 3);
  png_write_info(png, info);
  for (int y = 0; y < canvas.Height(); ++y) {
    const uint32_t* src = canvas.Pixels() + static_cast<size_t>(y) * canvas.Width();
    for (int x = 0; x < canvas.Width(); ++x) {
      png_byte* px = row.data() + static_cast<size_t>(x) * channels;
      px[0] = static_cast<png_byte>(src[x] >> 16);
      px[1] = static_cast<png_byte>(src[x] >> 8);
      px[2] = static_cast<png_byte>(src[x]);
      if (alpha) px[3] = static_cast<png_byte>(src[x] >> 24);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

bool SavePng(const Canvas& canvas, const std::string& hostPath) {
  std::optional<std::string> bytes = EncodePng(canvas);
  if (!bytes) return false;
  if (hostPath.empty()) return false;
  host::MakeFolders(host::Parent(hostPath));
  return host::WriteFileAtomically(hostPath, *bytes);
}

}  // namespace tarvo::ui
