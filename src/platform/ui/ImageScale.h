#pragma once
// Smooth resizing of a picture (area averaging, premultiplied by alpha), for
// pictures drawn once at another size, such as launcher icons.
#include "platform/ui/Canvas.h"

namespace tarvo::ui {

// A canvas of width x height in the source's format; empty for an empty source.
Canvas ScaleSmooth(const Canvas& source, int width, int height);

}  // namespace tarvo::ui
