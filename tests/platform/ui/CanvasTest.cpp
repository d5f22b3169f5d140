#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

namespace tarvo::ui {
namespace {

TEST(CanvasDrawing, FillStaysInsideTheClipAndTheSurface) {
  Canvas canvas(10, 10, PixelFormat::Xrgb, 0xFF000000);
  canvas.ClipTo(Rect{2, 2, 6, 6});
  canvas.FillRect(Rect{-5, -5, 50, 50}, Rgb(255, 0, 0));
  EXPECT_EQ(canvas.ColorAt(2, 2), Rgb(255, 0, 0));
  EXPECT_EQ(canvas.ColorAt(5, 5), Rgb(255, 0, 0));
  EXPECT_EQ(canvas.ColorAt(6, 6), 0u);
  EXPECT_EQ(canvas.ColorAt(1, 1), 0u);
}

TEST(CanvasDrawing, TranslateMovesDrawingAndTheSaverUndoesIt) {
  Canvas canvas(10, 10, PixelFormat::Xrgb, 0xFF000000);
  {
    CanvasStateSaver saved(canvas);
    canvas.Translate(3, 4);
    canvas.ClipTo(Rect{0, 0, 2, 2});
    canvas.FillRect(Rect{0, 0, 5, 5}, Rgb(0, 255, 0));
  }
  EXPECT_EQ(canvas.ColorAt(3, 4), Rgb(0, 255, 0));
  EXPECT_EQ(canvas.ColorAt(4, 5), Rgb(0, 255, 0));
  EXPECT_EQ(canvas.ColorAt(5, 6), 0u);  // clipped to 2x2 at the new origin
  canvas.FillRect(Rect{0, 0, 1, 1}, Rgb(0, 0, 255));
  EXPECT_EQ(canvas.ColorAt(0, 0), Rgb(0, 0, 255));
}

TEST(CanvasDrawing, SaversNestAndResetGoesBackToTheWholeSurface) {
  Canvas canvas(10, 10, PixelFormat::Xrgb, 0xFF000000);
  {
    CanvasStateSaver outer(canvas);
    canvas.Translate(2, 2);
    canvas.ClipTo(Rect{0, 0, 6, 6});
    {
      CanvasStateSaver inner(canvas);
      canvas.Translate(1, 1);
      canvas.ClipTo(Rect{0, 0, 1, 1});
    }
    EXPECT_EQ(canvas.ClipRect(), (Rect{0, 0, 6, 6}));  // the outer state again
    canvas.Translate(5, 5);
    canvas.ResetState();
    EXPECT_EQ(canvas.ClipRect(), (Rect{0, 0, 10, 10}));
    canvas.Translate(4, 4);
  }
  EXPECT_EQ(canvas.ClipRect(), (Rect{0, 0, 10, 10}));
  canvas.FillRect(Rect{0, 0, 1, 1}, Rgb(0, 0, 255));
  EXPECT_EQ(canvas.ColorAt(0, 0), Rgb(0, 0, 255));
}

TEST(CanvasDrawing, BlendUsesTheConstantOpacity) {
  Canvas canvas(2, 2, PixelFormat::Xrgb, 0xFF000000);
  canvas.BlendRect(Rect{0, 0, 2, 2}, Rgb(200, 100, 0), 128);
  EXPECT_EQ(canvas.ColorAt(0, 0), Rgb(100, 50, 0));
  canvas.BlendRect(Rect{0, 0, 1, 1}, Rgb(255, 255, 255), 0);
  EXPECT_EQ(canvas.ColorAt(0, 0), Rgb(100, 50, 0));
}

TEST(CanvasDrawing, LinesIncludeBothEndsAndClipSafely) {
  Canvas canvas(8, 8, PixelFormat::Xrgb, 0xFF000000);
  canvas.DrawLine(Point{0, 0}, Point{7, 7}, Rgb(1, 2, 3));
  EXPECT_EQ(canvas.ColorAt(0, 0), Rgb(1, 2, 3));
  EXPECT_EQ(canvas.ColorAt(7, 7), Rgb(1, 2, 3));
  EXPECT_EQ(canvas.ColorAt(7, 0), 0u);
  canvas.DrawLine(Point{-1000000, 3}, Point{1000000, 3}, Rgb(9, 9, 9));
  EXPECT_EQ(canvas.ColorAt(4, 3), Rgb(9, 9, 9));
}

TEST(CanvasDrawing, FrameAndFocusRectangleOnlyTouchTheBorder) {
  Canvas canvas(6, 6, PixelFormat::Xrgb, 0xFFFFFFFF);
  canvas.FrameRect(Rect{0, 0, 6, 6}, Rgb(0, 0, 0));
  EXPECT_EQ(canvas.ColorAt(0, 3), 0u);
  EXPECT_EQ(canvas.ColorAt(5, 5), 0u);
  EXPECT_EQ(canvas.ColorAt(2, 2), Rgb(255, 255, 255));
  Canvas white(6, 6, PixelFormat::Xrgb, 0xFFFFFFFF);
  white.DrawFocusRect(Rect{0, 0, 6, 6});
  EXPECT_EQ(white.ColorAt(0, 0), 0u);                    // inverted
  EXPECT_EQ(white.ColorAt(1, 0), Rgb(255, 255, 255));    // dotted
  EXPECT_EQ(white.ColorAt(3, 3), Rgb(255, 255, 255));
}

TEST(CanvasCopy, CopyIsExactAndClipsAtSourceAndDestinationEdges) {
  Canvas src(4, 4, PixelFormat::Xrgb, 0xFF000000);
  src.FillRect(Rect{1, 1, 2, 2}, Rgb(10, 20, 30));
  Canvas dest(4, 4, PixelFormat::Xrgb, 0xFFFFFFFF);
  dest.Copy(src, Rect{-2, -2, 10, 10}, Point{0, 0});
  // The part of the source rect that exists lands where it would have.
  EXPECT_EQ(dest.ColorAt(3, 3), Rgb(10, 20, 30));
  EXPECT_EQ(dest.ColorAt(2, 2), 0u);
  EXPECT_EQ(dest.ColorAt(1, 1), Rgb(255, 255, 255));
}

TEST(CanvasCopy, DrawBlendsRgbaByItsAlphaAndStretchSkipsTheTransparentColour) {
  Canvas picture(2, 1, PixelFormat::Rgba, 0);
  picture.SetPixel(0, 0, 0x80FF0000);  // half red
  picture.SetPixel(1, 0, 0x00FFFFFF);  // invisible
  Canvas dest(2, 1, PixelFormat::Xrgb, 0xFF000000);
  dest.Draw(picture, Rect{0, 0, 2, 1}, Point{0, 0});
  EXPECT_EQ(dest.ColorAt(0, 0), Rgb(128, 0, 0));
  EXPECT_EQ(dest.ColorAt(1, 0), 0u);

  Canvas keyed(2, 1, PixelFormat::Xrgb, 0xFFFFFFFF);
  keyed.SetPixel(1, 0, 0xFF00FF00);
  Canvas target(4, 2, PixelFormat::Xrgb, 0xFF000000);
  target.Stretch(keyed, Rect{0, 0, 2, 1}, Rect{0, 0, 4, 2}, Rgb(255, 255, 255));
  EXPECT_EQ(target.ColorAt(0, 0), 0u);
  EXPECT_EQ(target.ColorAt(1, 1), 0u);
  EXPECT_EQ(target.ColorAt(2, 0), Rgb(0, 255, 0));
  EXPECT_EQ(target.ColorAt(3, 1), Rgb(0, 255, 0));
}

TEST(CanvasCopy, EmptyAndDegenerateInputsDrawNothing) {
  Canvas dest(3, 3, PixelFormat::Xrgb, 0xFF000000);
  Canvas empty;
  dest.Stretch(empty, Rect{0, 0, 5, 5}, Rect{0, 0, 3, 3});
  dest.Stretch(dest, Rect{0, 0, 0, 0}, Rect{0, 0, 3, 3});
  dest.Copy(empty, Rect{0, 0, 3, 3}, Point{0, 0});
  EXPECT_EQ(dest.ColorAt(1, 1), 0u);
}

}  // namespace
}  // namespace tarvo::ui
