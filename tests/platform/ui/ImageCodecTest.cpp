#include "platform/ui/ImageCodec.h"

#include <gtest/gtest.h>

#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo::ui {
namespace {

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
