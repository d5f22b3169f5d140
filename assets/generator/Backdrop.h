#pragma once
// The launcher's default background picture.
#include "Raster.h"

namespace tarvo::pictures {

// A calm light gradient with soft discs and waves; light enough for black captions.
Raster DrawBackground(int width, int height);

}  // namespace tarvo::pictures
