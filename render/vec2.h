// The drawing layer's point record.
#pragma once

namespace ol {

struct Vec2 {
  float x = 0.0f;
  float y = 0.0f;

  Vec2() = default;
  Vec2(float x_, float y_) : x(x_), y(y_) {}
};

}  // namespace ol
