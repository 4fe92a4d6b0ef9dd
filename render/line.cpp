#include "render/line.h"

#include <sstream>

#include "render/gl.h"
#include "render/transforms.h"

namespace ol {

Line::Line(float x1, float y1, float x2, float y2, float lineWidth)
    : Shape(lineWidth), start_(x1, y1), end_(x2, y2) {}

void Line::MoveBy(const Vec2& amount) { origin_ += amount; }

void Line::MoveTo(const Vec2& position) { origin_ = position; }

void Line::RotateBy(float angle) { TransformBy(Placement(Vec2(), angle)); }

void Line::TransformBy(const Placement& placement) {
  origin_ += placement.position;
  start_ = placement.Transform(start_);
  end_ = placement.Transform(end_);
}

std::string Line::ToString() const {
  std::ostringstream text;
  text << "Line: Start: ( " << start_.x << ", " << start_.y << " ) End: ( " << end_.x << ", "
       << end_.y << " ) Origin: ( " << origin_.x << ", " << origin_.y << " )";
  return text.str();
}

void Line::DrawRaw() const {
  glLineWidth(lineWidth_);
  glPushMatrix();
  glTranslatef(origin_.x, origin_.y, 0.0f);
  glBegin(GL_LINES);
  glVertex2f(start_.x, start_.y);
  glVertex2f(end_.x, end_.y);
  glEnd();
  glPopMatrix();
}

void Line::DrawOutlineRaw() const { DrawRaw(); }

void Line::DrawGradientRaw(const Rgba& startColor, const Rgba& endColor) const {
  const Rgba& tint = *Transforms::GetTintColor();
  const Rgba from = tint * startColor;
  const Rgba to = tint * endColor;
  glDisable(GL_TEXTURE_2D);
  glLineWidth(lineWidth_);
  glPushMatrix();
  glTranslatef(origin_.x, origin_.y, 0.0f);
  glBegin(GL_LINES);
  glColor4f(from.r, from.g, from.b, from.a);
  glVertex2f(start_.x, start_.y);
  glColor4f(to.r, to.g, to.b, to.a);
  glVertex2f(end_.x, end_.y);
  glEnd();
  glPopMatrix();
}

}  // namespace ol
