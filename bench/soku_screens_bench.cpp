// The Soku series screen's speed: one drag frame (a pen move that scrolls and
// the render) at 480x800 over 2,000 cells, in 9-wide and 5-wide grids.
// Usage: tarvo_bench_soku_screens [FRAMES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "SeriesDragFrames.h"
#include "app/shell/TarvoApp.h"
#include "platform/device/Device.h"
#include "platform/text/Utf8.h"
#include "platform/ui/Ui.h"
#include "video/screens/CSokuSeriesVideo.h"

namespace tarvo {
namespace {

// Two series of four labelled groups, 250 episodes each: 2,000 cells.
std::vector<soku::SokuSeries> SeriesOf(int cells) {
  std::vector<soku::SokuSeries> all;
  int made = 0;
  for (int s = 0; s < 2; ++s) {
    soku::SokuSeries series;
    series.title = u"山城往事第" + FromUtf8(std::to_string(s + 1)) + u"部";
    for (int g = 0; g < 4; ++g) {
      soku::SokuGroup group;
      group.label = FromUtf8(std::to_string(g * 250 + 1) + "-" + std::to_string(g * 250 + 250)) + u"集";
      for (int i = 0; i < cells / 8; ++i, ++made) {
        video::VideoRecord record;
        record.title = u"第" + FromUtf8(std::to_string(g * 250 + i + 1)) + u"集 山城夜话";
        record.spare = u"第" + FromUtf8(std::to_string(g * 250 + i + 1)) + u"集";
        record.url = u"http://127.0.0.1:1/v_show/id_c" + FromUtf8(std::to_string(made)) + u".html";
        group.items.push_back(record);
      }
      series.groups.push_back(std::move(group));
    }
    all.push_back(std::move(series));
  }
  return all;
}

// The median time of a drag frame.
double DragFrame(int cellChars, int frames, size_t& cells) {
  const auto folder = std::filesystem::temp_directory_path() / "tarvo-bench-soku-series";
  std::filesystem::remove_all(folder);
  auto device = Device::Open(folder.string());
  if (!device) return 1e9;
  ui::VirtualClock clock;
  ui::UiOptions uiOptions = ui::UiOptions::Sized(480, 800);
  uiOptions.answerMessageBoxes = true;
  uiOptions.clock = &clock;
  ui::Ui ui(uiOptions);
  CTarvoApp app(*device, ui);
  app.PrepareApplication();
  video::CSokuSeriesVideo series(app, SeriesOf(2000), soku::kSokuTv,
                                 video::VideoServers::ForDevice(device->Profile()), cellChars);
  series.CreateModeless();
  ui.ProcessPending();
  cells = series.Layout().items.size();
  const double median = bench::MedianDragFrame(ui, clock, series, frames);
  std::filesystem::remove_all(folder);
  return median;
}

}  // namespace
}  // namespace tarvo

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  int failed = 0;
  for (int chars : {9, 5}) {
    size_t cells = 0;
    const double median = tarvo::DragFrame(chars, frames, cells);
    std::printf("Soku series drag frame at 480x800, %d-wide cells, %zu cells: median %.3f ms - target <= 4 ms\n",
                chars, cells, median);
    if (median > 4.0 || cells != 2000) failed = 1;
  }
  return failed;
}
