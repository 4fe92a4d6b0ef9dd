#include "game/objects/triangle.h"

#include <sstream>

#include "render/gl.h"

namespace Kest {

Triangle::Triangle(const ol::Vec2& p1, const ol::Vec2& p2, const ol::Vec2& p3)
    : ol::Shape(1.0f), corners_{p1, p2, p3} {}

void Triangle::MoveBy(const ol::Vec2& amount) {
  for (ol::Vec2& corner : corners_) corner += amount;
}

std::string Triangle::ToString() const {
  std::ostringstream text;
  text << "Triangle:";
  for (const ol::Vec2& corner : corners_) text << " [" << corner.x << ", " << corner.y << "]";
  return text.str();
}

void Triangle::DrawRaw() const {
  glLineWidth(lineWidth_);
  glBegin(GL_TRIANGLES);
  for (const ol::Vec2& corner : corners_) glVertex2f(corner.x, corner.y);
  glEnd();
}

}  // namespace Kest
