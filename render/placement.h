// Where a shape is: position, rotation angle (radians), uniform stretch and
// the pivot it turns about.
#pragma once

#include <string>

#include "render/affine.h"
#include "render/vec2.h"

namespace ol {

struct Placement {
  Vec2 position;
  float angle = 0.0f;
  float stretch = 1.0f;
  Vec2 pivot;

  Placement() = default;
  Placement(const Vec2& position_, float angle_ = 0.0f, float stretch_ = 1.0f,
            const Vec2& pivot_ = Vec2())
      : position(position_), angle(angle_), stretch(stretch_), pivot(pivot_) {}

  // The turn (by minus the angle) and stretch as a matrix applied to a point;
  // the position is not added.
  Vec2 Transform(const Vec2& point) const;
  // Moves, turns about the pivot and stretches about the screen centre.
  Affine ToAffine(const Vec2& pivotPoint) const;
  // Positions and angles add, stretches multiply; the pivot stays.
  Placement& operator+=(const Placement& other);
  std::string ToString() const;
};

}  // namespace ol
