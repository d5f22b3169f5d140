#pragma once
// Inside tests for the shapes the pictures are built from, and ways to combine
// them. Coordinates are design units with y growing downwards; angles are
// degrees, clockwise from the positive x axis (screen convention).
#include <initializer_list>
#include <vector>

#include "Mask.h"

namespace tarvo::pictures {

struct Point {
  double x;
  double y;
};

Shape Circle(double cx, double cy, double r);
Shape Ellipse(double cx, double cy, double rx, double ry);
Shape Ring(double cx, double cy, double outer, double inner);
// Rectangle from (x0, y0) to (x1, y1) with corners rounded by radius r.
Shape RoundRect(double x0, double y0, double x1, double y1, double r);
// A line from a to b, halfWidth thick on each side, with round ends.
Shape Capsule(Point a, Point b, double halfWidth);
// Even-odd filled polygon.
Shape Polygon(std::vector<Point> points);
// The part of a ring between two angles (from start clockwise to end).
Shape ArcBand(double cx, double cy, double outer, double inner, double startDeg, double endDeg);
// A ring arc with round ends, halfWidth thick around radius r.
Shape RoundArc(double cx, double cy, double r, double halfWidth, double startDeg, double endDeg);
// A cog wheel: teeth reach outer, the rim sits at inner; hole may be 0.
Shape Gear(double cx, double cy, double outer, double inner, int teeth, double hole);

Shape Union(std::initializer_list<Shape> shapes);
Shape Minus(Shape base, Shape cut);
Shape Intersect(Shape a, Shape b);
Shape Rotated(Shape shape, double cx, double cy, double degrees);
Shape Translated(Shape shape, double dx, double dy);

}  // namespace tarvo::pictures
