#pragma once
// Page buttons (coloured, with an arrow) and the caption button faces.
#include "IconFrame.h"
#include "Raster.h"

namespace tarvo::pictures {

enum class ArrowDirection { Left, Right };

// A rounded pill in the style's colour with a light arrow; alpha outside.
// The arrow is RGB(252,252,252), not pure white, because the style chooser's
// image list treats pure white as transparent.
Raster DrawPageButton(int width, int height, PlateColor color, ArrowDirection direction);

// A light face for a black caption; the pressed face is darker and inset.
// Opaque: the corners outside the rounded face are white.
Raster DrawButtonFace(int width, int height, bool pressed);

}  // namespace tarvo::pictures
