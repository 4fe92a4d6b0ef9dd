#include "tessora/vec2.h"

#include <cmath>

namespace Tessora {

namespace {
constexpr float kRadiansPerDegree = 0.017453292f;
}

float Vec2::Length() const { return std::sqrt(x * x + y * y); }

Vec2 Vec2::Rotated(float degrees) const {
  const float a = degrees * kRadiansPerDegree;
  const float c = std::cos(a);
  const float s = std::sin(a);
  return Vec2(x * c + y * s, y * c - x * s);
}

Vec2& Vec2::operator+=(const Vec2& v) {
  x += v.x;
  y += v.y;
  return *this;
}

Vec2& Vec2::operator-=(const Vec2& v) {
  x -= v.x;
  y -= v.y;
  return *this;
}

}  // namespace Tessora
