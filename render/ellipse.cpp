#include "render/ellipse.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "render/curves.h"
#include "render/drawbatch.h"
#include "render/gl.h"

namespace ol {
namespace {

constexpr float THIN_LINE = 1.000001f;

Vec2 OnEllipse(float rx, float ry, float angle) {
  return Vec2(rx * std::cos(angle), ry * std::sin(angle));
}

void Vertex(const Vec2& p) { DrawBatch::AddVertex(p.x, p.y); }

}  // namespace

Ellipse::Ellipse(float x, float y, float radiusX, float radiusY, float lineWidth, float accuracy)
    : Shape(lineWidth), pos_(x, y), radiusX_(radiusX), radiusY_(radiusY) {
  SetAccuracy(accuracy);
}

void Ellipse::SetAccuracy(float accuracy) {
  step_ = SegmentStep(std::max(radiusX_, radiusY_), accuracy);
}

void Ellipse::MoveBy(const Vec2& amount) { pos_ += amount; }

void Ellipse::MoveTo(const Vec2& position) { pos_ = position; }

void Ellipse::RotateBy(float angle) { angle_ += angle; }

void Ellipse::TransformBy(const Placement& placement) {
  pos_ += placement.position;
  angle_ += placement.angle;
  radiusX_ *= placement.stretch;
  radiusY_ *= placement.stretch;
}

std::string Ellipse::ToString() const {
  std::ostringstream text;
  text << "Circle: Pos: ( " << pos_.x << ", " << pos_.y << " ) Radius: ( " << radiusX_ << ", "
       << radiusY_ << " ) Angle: " << angle_;
  return text.str();
}

// A shape without area has nothing to draw; the check also keeps NaN radii
// out of the drawing loops.
bool Ellipse::IsDrawable() const { return radiusX_ > 0.0f && radiusY_ > 0.0f; }

Affine Ellipse::Placed() const { return Affine().Translate(pos_.x, pos_.y).Rotate(angle_); }

void Ellipse::DrawRaw() const {
  if (!IsDrawable()) return;
  DrawBatch::Begin(GL_TRIANGLE_FAN, Placed());
  DrawBatch::AddVertex(0.0f, 0.0f);
  for (float a = 0.0f; a <= TWO_PI; a += step_) Vertex(OnEllipse(radiusX_, radiusY_, a));
  DrawBatch::AddVertex(radiusX_, 0.0f);
  DrawBatch::End();
}

void Ellipse::DrawOutlineRaw() const {
  if (!IsDrawable()) return;
  if (lineWidth_ > THIN_LINE) {
    DrawThickOutline();
    return;
  }
  DrawBatch::Begin(GL_LINE_LOOP, Placed(), 0, lineWidth_);
  for (float a = 0.0f; a < TWO_PI; a += step_) Vertex(OnEllipse(radiusX_, radiusY_, a));
  DrawBatch::End();
}

// The width lies inside the shape: a ring between the ellipse shrunk by the
// line width and the ellipse itself.
void Ellipse::DrawThickOutline() const {
  const float innerX = radiusX_ - lineWidth_;
  const float innerY = radiusY_ - lineWidth_;
  DrawBatch::Begin(GL_QUADS, Placed());
  Vec2 inner(innerX, 0.0f);
  Vec2 outer(radiusX_, 0.0f);
  const auto quadTo = [&](float a) {
    const Vec2 nextInner = OnEllipse(innerX, innerY, a);
    const Vec2 nextOuter = OnEllipse(radiusX_, radiusY_, a);
    Vertex(nextInner);
    Vertex(inner);
    Vertex(outer);
    Vertex(nextOuter);
    inner = nextInner;
    outer = nextOuter;
  };
  for (float a = 0.0f; a <= TWO_PI; a += step_) quadTo(a);
  quadTo(0.0f);
  DrawBatch::End();
}

Circle::Circle(float x, float y, float radius, float lineWidth, float accuracy)
    : Ellipse(x, y, radius, radius, lineWidth, accuracy) {}

}  // namespace ol
