#include "platform/ui/ImageCodec.h"

#include <png.h>
// jpeglib.h needs FILE and size_t declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

#include "platform/device/HostFiles.h"

#include <cstdio>
#include <limits>
#include <memory>

namespace tarvo::ui {
namespace {

// Larger pictures than a phone can hold are refused before anything is
// allocated for them.
constexpr unsigned kMaxImageSide = 4096;
constexpr size_t kMaxImageBytes = size_t{64} << 20;

bool FitsAPhone(unsigned width, unsigned height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         size_t{width} * height * sizeof(uint32_t) <= kMaxImageBytes;
}

void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::string*>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char*>(data), length);
}

void IgnoreFlush(png_structp) {}

bool IsPng(std::string_view bytes) { return bytes.size() >= 8 && png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) == 0; }

bool IsJpeg(std::string_view bytes) {
  return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
         static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

std::optional<Canvas> DecodePng(std::string_view bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) return std::nullopt;
  if (!FitsAPhone(image.width, image.height)) {
    png_image_free(&image);
    return std::nullopt;
  }
  // BGRA bytes are 0xAARRGGBB words on this little-endian host.
  image.format = PNG_FORMAT_BGRA;
  Canvas canvas(static_cast<int>(image.width), static_cast<int>(image.height), PixelFormat::Rgba, 0);
  if (png_image_finish_read(&image, nullptr, canvas.Pixels(), 0, nullptr) == 0) {
    png_image_free(&image);
    return std::nullopt;
  }
  return canvas;
}

// Everything a JPEG decode changes lives here, outside the frame that calls
// setjmp: after a jump back, that frame's own locals would be indeterminate.
struct JpegErrors {
  jpeg_error_mgr manager;  // first, so that the library's pointer to it is one to this
  std::jmp_buf jump;
};

struct JpegJob {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  std::optional<Canvas> canvas;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

void JpegFail(j_common_ptr info) { JumpBack(info); }

// Warnings are quiet, except that data ending early fails the decode: the
// library would make up the missing part of the picture.
void JpegMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) JumpBack(info);
}

// Decodes into job.canvas; false on any failure. No C++ object lives in this
// frame, so a jump out of the library skips no destructor.
bool RunJpeg(JpegJob& job, const unsigned char* bytes, size_t size) {
  job.info.err = jpeg_std_error(&job.errors.manager);
  job.errors.manager.error_exit = JpegFail;
  job.errors.manager.emit_message = JpegMessage;
  if (setjmp(job.errors.jump) != 0) return false;
  jpeg_create_decompress(&job.info);
  jpeg_mem_src(&job.info, bytes, static_cast<unsigned long>(size));
  if (jpeg_read_header(&job.info, TRUE) != JPEG_HEADER_OK) return false;
  job.info.out_color_space = JCS_EXT_BGRA;
  jpeg_calc_output_dimensions(&job.info);
  if (!FitsAPhone(job.info.image_width, job.info.image_height) ||
      !FitsAPhone(job.info.output_width, job.info.output_height)) {
    return false;
  }
  jpeg_start_decompress(&job.info);
  job.canvas.emplace(static_cast<int>(job.info.output_width), static_cast<int>(job.info.output_height),
                     PixelFormat::Rgba, 0xFF000000);
  while (job.info.output_scanline < job.info.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(
        job.canvas->Pixels() + static_cast<size_t>(job.info.output_scanline) * job.info.output_width);
    jpeg_read_scanlines(&job.info, &row, 1);
  }
  jpeg_finish_decompress(&job.info);
  return true;
}

std::optional<Canvas> DecodeJpeg(std::string_view bytes) {
  auto job = std::make_unique<JpegJob>();
  const bool decoded = RunJpeg(*job, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  // Safe also when creation failed: the library then has nothing to free.
  jpeg_destroy_decompress(&job->info);
  if (!decoded) return std::nullopt;
  return std::move(job->canvas);
}

}  // namespace

std::optional<Canvas> DecodeImage(std::string_view bytes) {
  if (IsPng(bytes)) return DecodePng(bytes);
  if (IsJpeg(bytes)) return DecodeJpeg(bytes);
  return std::nullopt;
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
