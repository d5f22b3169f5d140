#include "youku/YoukuPictures.h"

#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace tarvo::servers::youku {
namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// RGB rows of the picture for name.
std::vector<unsigned char> Pixels(const std::string& name) {
  unsigned hash = 2166136261u;
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  std::vector<unsigned char> rgb(static_cast<size_t>(kPictureWidth) * kPictureHeight * 3);
  for (int y = 0; y < kPictureHeight; ++y)
    for (int x = 0; x < kPictureWidth; ++x) {
      unsigned char* p = &rgb[(static_cast<size_t>(y) * kPictureWidth + x) * 3];
      p[0] = static_cast<unsigned char>((hash & 0xFF) / 2 + x);
      p[1] = static_cast<unsigned char>(((hash >> 8) & 0xFF) / 2 + y);
      p[2] = static_cast<unsigned char>(((hash >> 16) & 0xFF) / 2 + (x + y) / 2);
    }
  return rgb;
}

}  // namespace

std::string DrawJpeg(const std::string& name) {
  std::vector<unsigned char> rgb = Pixels(name);
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = kPictureWidth;
  info.image_height = kPictureHeight;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = &rgb[static_cast<size_t>(info.next_scanline) * kPictureWidth * 3];
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

std::string DrawPng(const std::string& name) {
  std::vector<unsigned char> rgb = Pixels(name);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = kPictureWidth;
  image.height = kPictureHeight;
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return "";
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) return "";
  bytes.resize(size);
  return bytes;
}

std::optional<Answer> PictureAnswer(const std::string& name) {
  if (name.empty() || name == "missing.jpg") return ErrorPage(404);
  if (name == "fake.jpg") return Answer{200, "image/jpeg", DrawPng(name)};
  if (name == "broken.jpg") return Answer{200, "image/jpeg", DrawJpeg(name).substr(0, 200)};
  if (EndsWith(name, ".png")) return Answer{200, "image/png", DrawPng(name)};
  if (EndsWith(name, ".jpg")) return Answer{200, "image/jpeg", DrawJpeg(name)};
  return ErrorPage(404);
}

}  // namespace tarvo::servers::youku
