#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tarvo::pictures {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Angle of (dx, dy) in degrees, 0..360, clockwise on screen.
double AngleOf(double dx, double dy) {
  double a = std::atan2(dy, dx) / kDegree;
  return a < 0 ? a + 360.0 : a;
}

bool AngleBetween(double a, double start, double end) {
  const double span = std::fmod(std::fmod(end - start, 360.0) + 360.0, 360.0);
  const double offset = std::fmod(std::fmod(a - start, 360.0) + 360.0, 360.0);
  return offset <= span;
}

Point OnCircle(double cx, double cy, double r, double deg) {
  return {cx + r * std::cos(deg * kDegree), cy + r * std::sin(deg * kDegree)};
}

}  // namespace

Shape Circle(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) {
    const double nx = (x - cx) / rx;
    const double ny = (y - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
  };
}

Shape Ring(double cx, double cy, double outer, double inner) {
  return [=](double x, double y) {
    const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d2 <= outer * outer && d2 >= inner * inner;
  };
}

Shape RoundRect(double x0, double y0, double x1, double y1, double r) {
  r = std::max(0.0, std::min({r, (x1 - x0) / 2, (y1 - y0) / 2}));
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double nx = std::clamp(x, x0 + r, x1 - r);
    const double ny = std::clamp(y, y0 + r, y1 - r);
    return (x - nx) * (x - nx) + (y - ny) * (y - ny) <= r * r;
  };
}

Shape Capsule(Point a, Point b, double halfWidth) {
  return [=](double x, double y) {
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((x - a.x) * vx + (y - a.y) * vy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double px = a.x + t * vx - x;
    const double py = a.y + t * vy - y;
    return px * px + py * py <= halfWidth * halfWidth;
  };
}

Shape Polygon(std::vector<Point> points) {
  return [pts = std::move(points)](double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Point& p = pts[i];
      const Point& q = pts[j];
      if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x)
        inside = !inside;
    }
    return inside;
  };
}

Shape ArcBand(double cx, double cy, double outer, double inner, double startDeg, double endDeg) {
  const Shape ring = Ring(cx, cy, outer, inner);
  return [=](double x, double y) {
    return ring(x, y) && AngleBetween(AngleOf(x - cx, y - cy), startDeg, endDeg);
  };
}

Shape RoundArc(double cx, double cy, double r, double halfWidth, double startDeg, double endDeg) {
  return Union({ArcBand(cx, cy, r + halfWidth, r - halfWidth, startDeg, endDeg),
                Circle(OnCircle(cx, cy, r, startDeg).x, OnCircle(cx, cy, r, startDeg).y, halfWidth),
                Circle(OnCircle(cx, cy, r, endDeg).x, OnCircle(cx, cy, r, endDeg).y, halfWidth)});
}

Shape Gear(double cx, double cy, double outer, double inner, int teeth, double hole) {
  const double pitch = 360.0 / std::max(teeth, 1);
  return [=](double x, double y) {
    const double dx = x - cx;
    const double dy = y - cy;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < hole) return false;
    if (d <= inner) return true;
    if (d > outer) return false;
    // Teeth are slightly narrower at the tip: allowed half-angle shrinks with radius.
    const double phase = std::fmod(AngleOf(dx, dy) + pitch / 4.0, pitch);
    const double fromCentre = std::abs(phase - pitch / 2.0);
    const double t = (d - inner) / (outer - inner);
    return fromCentre <= pitch * (0.25 - 0.07 * t);
  };
}

Shape Union(std::initializer_list<Shape> shapes) {
  return [list = std::vector<Shape>(shapes)](double x, double y) {
    return std::any_of(list.begin(), list.end(), [&](const Shape& s) { return s(x, y); });
  };
}

Shape Minus(Shape base, Shape cut) {
  return [=](double x, double y) { return base(x, y) && !cut(x, y); };
}

Shape Intersect(Shape a, Shape b) {
  return [=](double x, double y) { return a(x, y) && b(x, y); };
}

Shape Rotated(Shape shape, double cx, double cy, double degrees) {
  const double c = std::cos(-degrees * kDegree);
  const double s = std::sin(-degrees * kDegree);
  return [=](double x, double y) {
    const double dx = x - cx;
    const double dy = y - cy;
    return shape(cx + dx * c - dy * s, cy + dx * s + dy * c);
  };
}

Shape Translated(Shape shape, double dx, double dy) {
  return [=](double x, double y) { return shape(x - dx, y - dy); };
}

}  // namespace tarvo::pictures
