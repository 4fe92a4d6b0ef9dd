#include "render/placement.h"

#include <cmath>
#include <sstream>

#include "render/gl.h"
#include "render/curves.h"
#include "render/setup.h"

namespace ol {

Vec2 Placement::Transform(const Vec2& point) const {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  return Vec2(stretch * (c * point.x + s * point.y), stretch * (c * point.y - s * point.x));
}

void Placement::ApplyToGL(const Vec2& pivotPoint) const {
  glTranslatef(position.x, position.y, 0.0f);
  if (angle != 0.0f) {
    glTranslatef(pivotPoint.x, pivotPoint.y, 0.0f);
    glRotatef(-angle * DEGREES_PER_RADIAN, 0.0f, 0.0f, 1.0f);
    glTranslatef(-pivotPoint.x, -pivotPoint.y, 0.0f);
  }
  if (stretch != 1.0f) {
    // Stretches about the centre of the screen, flattening depth: shapes
    // are drawn in the plane.
    glTranslatef((stretch - 1.0f) * Setup::GetScreenWidth() * -0.5f,
                 (stretch - 1.0f) * Setup::GetScreenHeight() * -0.5f, 0.0f);
    glScalef(stretch, stretch, 0.0f);
  }
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
