#pragma once
// One drag on a series screen, timed frame by frame: a pen move that scrolls
// the canvas, then the render of the whole screen.
#include "platform/ui/Ui.h"
#include "video/screens/CVirtualSeriesVideo.h"

namespace tarvo::bench {

// The median time of a frame over frames pen moves, back and forth between
// y 300 and 500 at x 200. The screen is shown; clock is the Ui's.
double MedianDragFrame(ui::Ui& ui, ui::VirtualClock& clock, video::CVirtualSeriesVideo& series, int frames);

}  // namespace tarvo::bench
