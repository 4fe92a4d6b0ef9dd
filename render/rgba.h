// The drawing layer's colour: four components in 0..1.
#pragma once

namespace ol {

struct Rgba {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  float a = 0.0f;

  Rgba() = default;
  Rgba(float r_, float g_, float b_, float a_ = 1.0f) : r(r_), g(g_), b(b_), a(a_) {}

  // this + (other - this) * t, per component (colour gradients).
  Rgba MixWith(const Rgba& other, float t) const {
    return Rgba(r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t,
                a + (other.a - a) * t);
  }

  // Component by component: how the tint colours everything drawn.
  Rgba operator*(const Rgba& other) const {
    return Rgba(r * other.r, g * other.g, b * other.b, a * other.a);
  }
};

}  // namespace ol
