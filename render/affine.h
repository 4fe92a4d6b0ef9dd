// Where a draw's own moves, turns and stretches take its points, worked out
// on the CPU: the batched draws share one GL matrix (the camera's), so each
// draw places its vertices itself.
#pragma once

#include <cmath>

#include "render/vec2.h"

namespace ol {

// x' = a x + c y + tx, y' = b x + d y + ty. The operations compose as GL's
// matrix calls do: each applies to the points before the ones already made.
struct Affine {
  float a = 1.0f;
  float b = 0.0f;
  float c = 0.0f;
  float d = 1.0f;
  float tx = 0.0f;
  float ty = 0.0f;

  Affine& Translate(float x, float y) {
    tx += a * x + c * y;
    ty += b * x + d * y;
    return *this;
  }

  // A turn by the angle in radians, x towards y (glRotatef about z).
  Affine& Rotate(float angle) {
    const float cs = std::cos(angle);
    const float sn = std::sin(angle);
    const float newA = a * cs + c * sn;
    const float newB = b * cs + d * sn;
    c = c * cs - a * sn;
    d = d * cs - b * sn;
    a = newA;
    b = newB;
    return *this;
  }

  Affine& Scale(float sx, float sy) {
    a *= sx;
    b *= sx;
    c *= sy;
    d *= sy;
    return *this;
  }

  Vec2 Apply(float x, float y) const { return Vec2(a * x + c * y + tx, b * x + d * y + ty); }
};

}  // namespace ol
