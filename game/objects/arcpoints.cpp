#include "game/objects/arcpoints.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Kest {

namespace {

using Points = std::vector<ol::Vec2>;

// Sorting rank: the upper right first, then the upper left, the lower left
// and the lower right, so the points run along the arc.
int Rank(const ol::Vec2& p) {
  if (p.x >= 0.0f) return p.y <= 0.0f ? 0 : 3;
  return p.y <= 0.0f ? 1 : 2;
}

bool AlongArc(const ol::Vec2& p, const ol::Vec2& q) {
  const int rank = Rank(p);
  if (rank != Rank(q)) return rank < Rank(q);
  switch (rank) {
    case 0: return std::make_tuple(-p.x, -p.y) < std::make_tuple(-q.x, -q.y);
    case 1: return std::make_tuple(-p.x, p.y) < std::make_tuple(-q.x, q.y);
    case 2: return std::make_tuple(p.x, p.y) < std::make_tuple(q.x, q.y);
    default: return std::make_tuple(p.x, -p.y) < std::make_tuple(q.x, -q.y);
  }
}

// Mirrors (x, y), a point of the lower right, into the quarter.
ol::Vec2 IntoQuarter(float x, float y, int quarter) {
  switch (quarter) {
    case 1: return ol::Vec2(x, -y);
    case 2: return ol::Vec2(-x, -y);
    case 3: return ol::Vec2(-x, y);
    default: return ol::Vec2(x, y);
  }
}

// The stepped midpoint circle plots (x, y) for x <= y and, by symmetry,
// (y, x); quarter 4 leaves out the point on the x axis, added at the end.
void PlotCirclePoint(float x, float y, int quarter, Points& points) {
  const float xi = std::trunc(x);
  const float yi = std::trunc(y);
  if (xi > yi) return;
  points.push_back(IntoQuarter(xi, yi, quarter));
  const bool onYAxis = xi == 0.0f;
  if (xi == yi || (onYAxis && quarter == 4)) return;
  points.push_back(onYAxis ? IntoQuarter(yi, 0.0f, quarter) : IntoQuarter(yi, xi, quarter));
}

void ShiftIntoBox(Points& points, float a, float b, int quarter) {
  const ol::Vec2 shifts[] = {{0.0f, b}, {a, b}, {a, 0.0f}, {0.0f, 0.0f}};
  for (ol::Vec2& p : points) p += shifts[quarter - 1];
}

}  // namespace

Points CircleQuarterPoints(float r, int quarter) {
  Points points;
  float x = 0.0f;
  float y = r;
  float d = (5.0f - 4.0f * r) / 4.0f;
  PlotCirclePoint(x, y, quarter, points);
  while (r > 0.0f && x < y) {
    x += 2.0f;
    if (d < 0.0f) {
      d += 2.0f * x + 1.0f;
    } else {
      y -= 2.0f;
      d += 2.0f * (x - y) + 1.0f;
    }
    PlotCirclePoint(x, y, quarter, points);
  }
  std::sort(points.begin(), points.end(), AlongArc);
  if (quarter == 4) points.push_back(ol::Vec2(r, 0.0f));
  ShiftIntoBox(points, r, r, quarter);
  return points;
}

Points EllipseQuarterPoints(float a, float b, int quarter) {
  Points points;
  const double A = double(a) * a;
  const double B = double(b) * b;
  double x = 0.0;
  double y = b;
  double px = 0.0;
  double py = 2.0 * A * b;
  double p = std::trunc(B - A * b + A / 4.0 + 0.5);
  const auto plot = [&] {
    points.push_back(IntoQuarter(std::trunc(float(x)), std::trunc(float(y)), quarter));
  };
  plot();
  while (px < py) {
    x += 1.0;
    px += 2.0 * B;
    if (p < 0.0) {
      p = std::trunc(p + B + px);
    } else {
      y -= 1.0;
      py -= 2.0 * A;
      p = std::trunc(p + B + px - py);
    }
    plot();
  }
  p = std::trunc(B * (x + 0.5) * (x + 0.5) + A * (y - 1.0) * (y - 1.0) - A * B + 0.5);
  while (y > 0.0) {
    y -= 1.0;
    py -= 2.0 * A;
    if (p >= 0.0) {
      p = std::trunc(p + A - py);
    } else {
      x += 1.0;
      px += 2.0 * B;
      p = std::trunc(p + A - py + px);
    }
    plot();
  }
  std::sort(points.begin(), points.end(), AlongArc);
  if (quarter == 4) {
    const auto firstBelow =
        std::find_if(points.begin(), points.end(), [](const ol::Vec2& q) { return q.y != 0.0f; });
    points.erase(points.begin(), firstBelow);
    points.push_back(ol::Vec2(a, 0.0f));
  }
  ShiftIntoBox(points, a, b, quarter);
  return points;
}

int FlipQuarter(int quarter, int flipMode) {
  static const int mirroredSideways[] = {0, 2, 1, 4, 3};
  static const int mirroredUpsideDown[] = {0, 4, 3, 2, 1};
  if (flipMode == 0 || flipMode == 2) quarter = mirroredSideways[quarter];
  if (flipMode == 1 || flipMode == 2) quarter = mirroredUpsideDown[quarter];
  return quarter;
}

}  // namespace Kest
