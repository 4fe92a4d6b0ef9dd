#include "render/rect.h"

#include <cmath>
#include <sstream>

#include "render/curves.h"
#include "render/drawbatch.h"
#include "render/gl.h"

namespace ol {
namespace {

constexpr float TINY = 0.00001f;

void Quad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
  DrawBatch::AddVertex(x1, y1);
  DrawBatch::AddVertex(x2, y2);
  DrawBatch::AddVertex(x3, y3);
  DrawBatch::AddVertex(x4, y4);
}

void Vertex(const Vec2& p) { DrawBatch::AddVertex(p.x, p.y); }

Vec2 OnArc(float radius, float angle) {
  return Vec2(radius * std::cos(angle), radius * std::sin(angle));
}

// A quarter disc about the corner's centre, from angle a0.
void CornerFan(const Affine& centre, float r, float a0, float step) {
  DrawBatch::Begin(GL_TRIANGLE_FAN, centre);
  DrawBatch::AddVertex(0.0f, 0.0f);
  for (float a = a0; a < a0 + HALF_PI; a += step) Vertex(OnArc(r, a));
  Vertex(OnArc(r, a0 + HALF_PI));
  DrawBatch::End();
}

// A quarter ring between radius r and r + lw about the corner's centre.
void CornerRing(const Affine& centre, float r, float lw, float a0, float step) {
  DrawBatch::Begin(GL_QUADS, centre);
  Vec2 inner = OnArc(r, a0);
  Vec2 outer = OnArc(r + lw, a0);
  const auto quadTo = [&](float a) {
    const Vec2 nextInner = OnArc(r, a);
    const Vec2 nextOuter = OnArc(r + lw, a);
    Quad(nextInner.x, nextInner.y, inner.x, inner.y, outer.x, outer.y, nextOuter.x, nextOuter.y);
    inner = nextInner;
    outer = nextOuter;
  };
  for (float a = a0; a < a0 + HALF_PI; a += step) quadTo(a);
  quadTo(a0 + HALF_PI);
  DrawBatch::End();
}

}  // namespace

Rect::Rect(float x, float y, float w, float h, float lineWidth, float roundness, float accuracy)
    : Shape(lineWidth),
      pos_(x, y),
      size_(w, h),
      roundness_(roundness),
      cornerStep_(SegmentStep(roundness, accuracy)) {}

void Rect::MoveBy(const Vec2& amount) { pos_ += amount; }

void Rect::MoveTo(const Vec2& position) { pos_ = position; }

void Rect::RotateBy(float angle) { angle_ += angle; }

void Rect::TransformBy(const Placement& placement) {
  pos_ += placement.position - placement.pivot;
  angle_ += placement.angle;
  size_ = size_ * placement.stretch;
}

std::string Rect::ToString() const {
  std::ostringstream text;
  text << "Rect: Pos: ( " << pos_.x << ", " << pos_.y << " ) Size: ( " << size_.x << ", "
       << size_.y << " ) Roundness: " << roundness_ << " Rotation angle: " << angle_;
  return text.str();
}

bool Rect::IsRounded() const { return roundness_ > TINY; }

Affine Rect::Turn() const {
  Affine turn;
  if (std::fabs(angle_) > TINY) turn.Rotate(angle_);
  return turn;
}

void Rect::DrawRaw() const {
  if (IsRounded()) {
    DrawRoundedFill();
    return;
  }
  const float x = pos_.x, y = pos_.y, w = size_.x, h = size_.y;
  DrawBatch::Begin(GL_TRIANGLE_FAN, Turn());
  Quad(x, y + h, x + w, y + h, x + w, y, x, y);
  DrawBatch::End();
}

void Rect::DrawOutlineRaw() const {
  if (IsRounded()) {
    DrawRoundedOutline();
    return;
  }
  const float x = pos_.x, y = pos_.y, w = size_.x, h = size_.y, lw = lineWidth_;
  DrawBatch::Begin(GL_QUADS, Turn());
  Quad(x - lw, y - lw, x + w + lw, y - lw, x + w + lw, y, x - lw, y);
  Quad(x - lw, y + h, x + w + lw, y + h, x + w + lw, y + h + lw, x - lw, y + h + lw);
  Quad(x - lw, y, x, y, x, y + h, x - lw, y + h);
  Quad(x + w, y, x + w + lw, y, x + w + lw, y + h, x + w, y + h);
  DrawBatch::End();
}

template <typename CornerDrawer>
void Rect::ForEachCorner(CornerDrawer drawCorner) const {
  const float r = roundness_, w = size_.x, h = size_.y;
  Affine centre = Turn();
  drawCorner(centre.Translate(pos_.x + r, pos_.y + r), PI);
  drawCorner(centre.Translate(w - 2.0f * r, 0.0f), -HALF_PI);
  drawCorner(centre.Translate(0.0f, h - 2.0f * r), 0.0f);
  drawCorner(centre.Translate(2.0f * r - w, 0.0f), HALF_PI);
}

void Rect::DrawRoundedFill() const {
  const float x = pos_.x, y = pos_.y, w = size_.x, h = size_.y, r = roundness_;
  DrawBatch::Begin(GL_QUADS, Turn());
  Quad(x, y + h - r, x + w, y + h - r, x + w, y + r, x, y + r);
  Quad(x + r, y + r, x + w - r, y + r, x + w - r, y, x + r, y);
  Quad(x + r, y + h, x + w - r, y + h, x + w - r, y + h - r, x + r, y + h - r);
  DrawBatch::End();
  ForEachCorner([&](const Affine& centre, float a0) { CornerFan(centre, r, a0, cornerStep_); });
}

void Rect::DrawRoundedOutline() const {
  const float x = pos_.x, y = pos_.y, w = size_.x, h = size_.y, r = roundness_;
  const float lw = lineWidth_;
  DrawBatch::Begin(GL_QUADS, Turn());
  Quad(x + r, y - lw, x + w - r, y - lw, x + w - r, y, x + r, y);
  Quad(x + r, y + h, x + w - r, y + h, x + w - r, y + h + lw, x + r, y + h + lw);
  Quad(x - lw, y + r, x, y + r, x, y + h - r, x - lw, y + h - r);
  Quad(x + w, y + r, x + w + lw, y + r, x + w + lw, y + h - r, x + w, y + h - r);
  DrawBatch::End();
  ForEachCorner(
      [&](const Affine& centre, float a0) { CornerRing(centre, r, lw, a0, cornerStep_); });
}

}  // namespace ol
