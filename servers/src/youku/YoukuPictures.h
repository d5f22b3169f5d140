#pragma once
// The stand-in site's pictures (/img/NAME), drawn on request: a colour ramp
// whose hue follows the name. Some names are faulty on purpose:
//   fake.jpg     PNG bytes under a .jpg name
//   broken.jpg   the first bytes of a JPEG only
//   missing.jpg  no picture (404)
#include <optional>
#include <string>

#include "Answer.h"

namespace tarvo::servers::youku {

inline constexpr int kPictureWidth = 96;
inline constexpr int kPictureHeight = 72;

std::optional<Answer> PictureAnswer(const std::string& name);

std::string DrawJpeg(const std::string& name);
std::string DrawPng(const std::string& name);

}  // namespace tarvo::servers::youku
