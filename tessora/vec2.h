// A point or direction in the plane of the screen: x to the right, y down.
#pragma once

namespace Tessora {

struct Vec2 {
  float x = 0.0f;
  float y = 0.0f;

  Vec2() = default;
  Vec2(float x_, float y_) : x(x_), y(y_) {}

  float Length() const;
  // Turned by the angle in degrees: (x cos a + y sin a, y cos a - x sin a).
  // With y pointing down this looks counter-clockwise on the screen.
  Vec2 Rotated(float degrees) const;
  // (-y, x): a quarter turn, the second axis of a turned frame.
  Vec2 Perp() const { return Vec2(-y, x); }

  Vec2 operator-() const { return Vec2(-x, -y); }
  Vec2& operator+=(const Vec2& v);
  Vec2& operator-=(const Vec2& v);
};

inline Vec2 operator+(Vec2 a, const Vec2& b) { return a += b; }
inline Vec2 operator-(Vec2 a, const Vec2& b) { return a -= b; }
inline Vec2 operator*(const Vec2& v, float s) { return Vec2(v.x * s, v.y * s); }
inline Vec2 operator*(float s, const Vec2& v) { return v * s; }
inline float Dot(const Vec2& a, const Vec2& b) { return a.x * b.x + a.y * b.y; }

}  // namespace Tessora
