#pragma once
// One picture showing every icon at full size and at half size on the
// launcher's background colour, to judge at a glance how they read.
#include <vector>

#include "Raster.h"

namespace tarvo::pictures {

Raster DrawContactSheet(const std::vector<Raster>& icons);

}  // namespace tarvo::pictures
