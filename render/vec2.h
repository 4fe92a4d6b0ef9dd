// The drawing layer's point record.
#pragma once

#include <cmath>

namespace ol {

struct Vec2 {
  float x = 0.0f;
  float y = 0.0f;

  Vec2() = default;
  Vec2(float x_, float y_) : x(x_), y(y_) {}

  Vec2 operator+(const Vec2& o) const { return Vec2(x + o.x, y + o.y); }
  Vec2 operator-(const Vec2& o) const { return Vec2(x - o.x, y - o.y); }
  Vec2 operator-() const { return Vec2(-x, -y); }
  Vec2 operator*(float k) const { return Vec2(x * k, y * k); }
  Vec2 operator/(float k) const { return Vec2(x / k, y / k); }
  Vec2& operator+=(const Vec2& o) {
    x += o.x;
    y += o.y;
    return *this;
  }

  float Length() const { return std::sqrt(x * x + y * y); }
};

}  // namespace ol
