#include "SeriesDragFrames.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace tarvo::bench {

double MedianDragFrame(ui::Ui& ui, ui::VirtualClock& clock, video::CVirtualSeriesVideo& series, int frames) {
  using Clock = std::chrono::steady_clock;
  ui.RenderScreen();
  series.OnPenDown({200, 400});
  clock.Advance(100);  // past the delay after which a move drags
  int y = 400;
  int direction = -6;
  std::vector<double> times;
  for (int frame = 0; frame < frames; ++frame) {
    y += direction;
    if (y < 300 || y > 500) direction = -direction;
    const auto start = Clock::now();
    series.OnPenMove({200, y});
    ui.RenderScreen();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  series.OnPenUp({200, y});
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace tarvo::bench
