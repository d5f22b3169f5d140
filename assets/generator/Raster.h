#pragma once
// An RGBA picture with float channels (straight alpha) that masks are painted
// onto, and the colour helpers the pictures use.
#include <functional>
#include <string>
#include <vector>

#include "Mask.h"

namespace tarvo::pictures {

struct Color {
  float r = 0, g = 0, b = 0, a = 1;
};

// h in degrees, s and l from 0 to 1.
Color Hsl(double h, double s, double l, double a = 1.0);
Color Rgb(int r, int g, int b, double a = 1.0);
Color Mix(const Color& from, const Color& to, double t);
Color WithAlpha(Color c, double a);

// Colour at a point given as fractions (0..1) of the picture's width and height.
using Paint = std::function<Color(double fx, double fy)>;
Paint Solid(Color c);
Paint VerticalGradient(Color top, Color bottom);

class Raster {
 public:
  Raster(int width, int height, Color fill = {0, 0, 0, 0});

  int Width() const { return width_; }
  int Height() const { return height_; }
  const Color& At(int x, int y) const;

  // Paints through the mask (source over): coverage times the paint's alpha.
  void Draw(const Mask& mask, const Paint& paint);
  void Draw(const Mask& mask, Color c) { Draw(mask, Solid(c)); }

  // Paints another picture at (x, y), source over.
  void Place(const Raster& picture, int x, int y);
  // The picture at half width and height, each pixel the alpha-weighted mean
  // of a 2 x 2 block (how a 90-pixel icon looks drawn at 45 pixels).
  Raster HalfSize() const;

  // Writes the picture: PNG with or without alpha, or JPEG (quality 0..100).
  bool SavePng(const std::string& path, bool withAlpha, std::string* error) const;
  bool SaveJpeg(const std::string& path, int quality, std::string* error) const;

 private:
  int width_;
  int height_;
  std::vector<Color> pixels_;
};

}  // namespace tarvo::pictures
