#include "platform/ui/ImageCodec.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "platform/device/HostFiles.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

// The largest single allocation made while a decode is watched: a picture
// that is refused must be refused before its pixels are allocated.
namespace {
std::atomic<bool> g_watching{false};
std::atomic<size_t> g_largest{0};
}  // namespace

void* operator new(size_t size) {
  if (g_watching && size > g_largest) g_largest = size;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }

namespace tarvo::ui {
namespace {

size_t LargestAllocationWhile(const std::function<void()>& work) {
  g_largest = 0;
  g_watching = true;
  work();
  g_watching = false;
  return g_largest;
}

std::string RedJpeg() {
  return *host::ReadFile(std::string(TARVO_TEST_DATA_DIR) + "/ui/red_8x8.jpg");
}

void PutBigEndian16(std::string& bytes, size_t at, unsigned value) {
  bytes[at] = static_cast<char>(value >> 8);
  bytes[at + 1] = static_cast<char>(value);
}

// The small red JPEG with the size its frame header declares changed.
std::string JpegDeclaring(unsigned width, unsigned height) {
  std::string bytes = RedJpeg();
  const size_t frame = bytes.find("\xFF\xC0");
  PutBigEndian16(bytes, frame + 5, height);
  PutBigEndian16(bytes, frame + 7, width);
  return bytes;
}

// A PNG signature and header chunk declaring the size, then one byte.
std::string PngDeclaring(uint32_t width, uint32_t height) {
  std::string chunk = "IHDR";
  for (uint32_t value : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) chunk += static_cast<char>(value >> shift);
  }
  chunk += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data()), static_cast<uInt>(chunk.size()));
  std::string png("\x89PNG\r\n\x1a\n\x00\x00\x00\x0d", 12);
  png += chunk;
  for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>(crc >> shift);
  return png + "x";
}

TEST(ImageCodecLimits, PicturesLargerThanAPhoneHoldsAreRefusedBeforeAllocating) {
  for (const std::string& bytes : {JpegDeclaring(5000, 5000), PngDeclaring(5000, 5000),
                                   JpegDeclaring(4097, 8), PngDeclaring(8, 4097)}) {
    std::optional<Canvas> picture;
    const size_t largest = LargestAllocationWhile([&] { picture = DecodeImage(bytes); });
    EXPECT_FALSE(picture);
    EXPECT_LT(largest, size_t{1} << 20);
  }
}

TEST(ImageCodecLimits, APictureWithinTheLimitsStillDecodes) {
  auto picture = DecodeImage(JpegDeclaring(8, 8));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Height(), 8);
}

TEST(ImageCodecLimits, ATruncatedJpegGivesNoPicture) {
  const std::string jpeg = RedJpeg();
  for (size_t keep : {jpeg.size() - 4, jpeg.size() - 2, size_t{0x118}, size_t{0xA0}, size_t{3}}) {
    EXPECT_FALSE(DecodeImage(jpeg.substr(0, keep))) << keep;
  }
}

TEST(ImageCodec, PngRoundTripKeepsPixelsAndAlpha) {
  Canvas picture(3, 2, PixelFormat::Rgba, 0);
  picture.SetPixel(0, 0, 0xFFFF0000);
  picture.SetPixel(1, 0, 0x8000FF00);
  picture.SetPixel(2, 1, 0xFF0000FF);
  auto png = EncodePng(picture);
  ASSERT_TRUE(png);
  auto decoded = DecodeImage(*png);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Format(), PixelFormat::Rgba);
  EXPECT_EQ(decoded->Width(), 3);
  EXPECT_EQ(decoded->PixelAt(0, 0), 0xFFFF0000u);
  EXPECT_EQ(decoded->PixelAt(1, 0), 0x8000FF00u);
  EXPECT_EQ(decoded->PixelAt(2, 1), 0xFF0000FFu);
  EXPECT_EQ(decoded->PixelAt(0, 1) >> 24, 0u);
}

TEST(ImageCodec, ScreensSaveOpaque) {
  Canvas screen(2, 2, PixelFormat::Xrgb, 0x00123456);  // alpha byte not kept on screens
  auto decoded = DecodeImage(*EncodePng(screen));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->PixelAt(1, 1), 0xFF123456u);
}

TEST(ImageCodec, UndecodableBytesGiveNoPicture) {
  EXPECT_FALSE(DecodeImage(""));
  EXPECT_FALSE(DecodeImage("not a picture at all"));
  auto png = EncodePng(Canvas(8, 8, PixelFormat::Xrgb, 0xFF00FF00));
  std::string truncated = png->substr(0, png->size() / 2);
  EXPECT_FALSE(DecodeImage(truncated));
  std::string corrupt = *png;
  for (size_t i = 40; i < corrupt.size(); i += 7) corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5A);
  DecodeImage(corrupt);  // whatever it gives, it must not crash
}

TEST(ImageCodec, JpegFilesDecodeAndMissingFilesGiveNothing) {
  HostFileAccess host;
  auto jpeg = LoadImageFile(host, FromUtf8(std::string(TARVO_TEST_DATA_DIR) + "/ui/red_8x8.jpg"));
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->Width(), 8);
  EXPECT_GT(RedOf(jpeg->ColorAt(4, 4)), 240);
  EXPECT_LT(GreenOf(jpeg->ColorAt(4, 4)), 16);
  EXPECT_FALSE(LoadImageFile(host, u"/nonexistent/x.jpg"));
  EXPECT_FALSE(LoadImageFile(host, u""));
}

TEST(ImageCodec, SavePngWritesAFileThatLoadsBack) {
  testing::TempDir dir;
  Canvas screen(5, 4, PixelFormat::Xrgb, 0xFFABCDEF);
  ASSERT_TRUE(SavePng(screen, dir.File("sub/shot.png")));
  HostFileAccess host;
  auto loaded = LoadImageFile(host, FromUtf8(dir.File("sub/shot.png")));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->ColorAt(4, 3), Rgb(0xAB, 0xCD, 0xEF));
  EXPECT_FALSE(SavePng(Canvas(), dir.File("empty.png")));
}

}  // namespace
}  // namespace tarvo::ui
