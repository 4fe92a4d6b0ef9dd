#include "render/line.h"

#include <sstream>

#include "render/drawbatch.h"
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
  DrawBatch::Begin(GL_LINES, AtOrigin(), 0, lineWidth_);
  DrawBatch::AddVertex(start_.x, start_.y);
  DrawBatch::AddVertex(end_.x, end_.y);
  DrawBatch::End();
}

void Line::DrawOutlineRaw() const { DrawRaw(); }

void Line::DrawGradientRaw(const Rgba& startColor, const Rgba& endColor) const {
  const Rgba& tint = *Transforms::GetTintColor();
  const Rgba from = tint * startColor;
  const Rgba to = tint * endColor;
  DrawBatch::Begin(GL_LINES, AtOrigin(), 0, lineWidth_);
  DrawBatch::SetColor(from);
  DrawBatch::AddVertex(start_.x, start_.y);
  DrawBatch::SetColor(to);
  DrawBatch::AddVertex(end_.x, end_.y);
  DrawBatch::End();
}

Affine Line::AtOrigin() const { return Affine().Translate(origin_.x, origin_.y); }

}  // namespace ol
