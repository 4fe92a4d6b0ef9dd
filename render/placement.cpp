#include "render/placement.h"

#include <cmath>
#include <sstream>

#include "render/setup.h"

namespace ol {

Vec2 Placement::Transform(const Vec2& point) const {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  return Vec2(stretch * (c * point.x + s * point.y), stretch * (c * point.y - s * point.x));
}

Affine Placement::ToAffine(const Vec2& pivotPoint) const {
  Affine placed;
  placed.Translate(position.x, position.y);
  if (angle != 0.0f) {
    placed.Translate(pivotPoint.x, pivotPoint.y).Rotate(-angle).Translate(-pivotPoint.x, -pivotPoint.y);
  }
  if (stretch != 1.0f) {
    placed.Translate((stretch - 1.0f) * Setup::GetScreenWidth() * -0.5f,
                     (stretch - 1.0f) * Setup::GetScreenHeight() * -0.5f);
    placed.Scale(stretch, stretch);
  }
  return placed;
}

Placement& Placement::operator+=(const Placement& other) {
  position += other.position;
  angle += other.angle;
  stretch *= other.stretch;
  return *this;
}

std::string Placement::ToString() const {
  std::ostringstream text;
  text << "Position: ( " << position.x << ", " << position.y << " ) Angle: " << angle
       << " Stretch: " << stretch;
  return text.str();
}

}  // namespace ol
