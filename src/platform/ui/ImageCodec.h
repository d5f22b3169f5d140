#pragma once
// Picture decoding and PNG saving (the phone's imaging factory). Decoded
// pictures are RGBA canvases; anything that cannot be decoded gives no
// canvas, never a crash.
#include <optional>
#include <string>
#include <string_view>

#include "platform/device/FileAccess.h"
#include "platform/ui/Canvas.h"

namespace tarvo::ui {

// PNG and JPEG from bytes in memory.
std::optional<Canvas> DecodeImage(std::string_view bytes);
std::optional<Canvas> LoadImageFile(FileAccess& files, WStringView path);

// PNG bytes of a canvas: XRGB as opaque RGB, RGBA with its alpha.
std::optional<std::string> EncodePng(const Canvas& canvas);
bool SavePng(const Canvas& canvas, const std::string& hostPath);

// The process's decoder object, as the screens hold it: created once, asked
// to load pictures by path.
class ImagingFactory {
 public:
  explicit ImagingFactory(FileAccess& files) : files_(files) {}
  std::optional<Canvas> Load(WStringView path) { return LoadImageFile(files_, path); }

 private:
  FileAccess& files_;
};

}  // namespace tarvo::ui
