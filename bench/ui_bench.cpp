// Screen repaint and copy costs at 480x800.
#include <benchmark/benchmark.h>

#include "platform/text/Format.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace {

using namespace tarvo;
using namespace tarvo::ui;

// A whole 480x800 screen: a dialog with a 20-row list drawn by a custom draw
// hook in the settings lists' style (picture, name, bottom line).
void BM_FullRepaintWithCustomDrawnList(benchmark::State& state) {
  Ui ui(UiOptions::Sized(480, 800));
  Dialog dialog(ui, u"按钮风格");
  MenuBar bar;
  bar.Add(u"确定", kIdOk).Add(u"取消", kIdCancel);
  dialog.SetMenuBar(bar);
  dialog.CreateModeless();
  ImageList images(54, 44, Rgb(255, 255, 255));
  for (int i = 0; i < 7; ++i) {
    Canvas picture(54, 44, PixelFormat::Rgba, 0xFF000000 | Rgb(30 * i, 200 - 20 * i, 120));
    images.Add(picture);
  }
  ListView list;
  list.Create(&dialog, dialog.ClientRect(), 1);
  list.SetShowHeader(false);
  list.InsertColumn(0, u"", 480 - ui.ScrollBarWidth());
  list.SetImageList(&images);
  for (int i = 0; i < 20; ++i) list.InsertItem(i, Format(u"第 %d 种风格 蓝色经典", i + 1), i % 7);
  list.SetSelected(3);
  list.SetFocus();
  const Font& font = ui.NormalFont();
  list.SetCustomDraw([&](ListRowDraw& d) {
    d.canvas.FillRect(d.rect, d.selected ? Rgb(117, 138, 169) : theme::kWindow);
    images.Draw(d.canvas, d.list.GetItemImage(d.row), Point{d.rect.left, d.rect.top + 1});
    Rect text{d.rect.left + images.Width() + 3, d.rect.top, d.rect.right, d.rect.bottom};
    d.canvas.DrawText(font, d.list.GetItemText(d.row, 0), text, d.selected ? theme::kHighlightText : theme::kButtonText);
    d.canvas.FillRect(Rect{d.rect.left, d.rect.bottom - 1, d.rect.right, d.rect.bottom}, Rgb(187, 187, 187));
    if (d.focused) d.canvas.DrawFocusRect(d.rect);
    return true;
  });
  ui.RenderScreen();  // glyphs cached once, as after the first showing
  for (auto _ : state) {
    ui.InvalidateScreen();
    benchmark::DoNotOptimize(ui.RenderScreen().Pixels());
  }
}
BENCHMARK(BM_FullRepaintWithCustomDrawnList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The launcher's way of showing its grid: one copy of a prepared surface.
void BM_FullScreenCopy(benchmark::State& state) {
  Canvas grid(480, 800, PixelFormat::Xrgb, 0xFF336699);
  Canvas screen(480, 800, PixelFormat::Xrgb, 0xFF000000);
  for (auto _ : state) {
    screen.Copy(grid, Rect{0, 0, 480, 800}, Point{0, 0});
    benchmark::DoNotOptimize(screen.Pixels());
  }
}
BENCHMARK(BM_FullScreenCopy)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
