#include "tessora/block.h"

#include <algorithm>
#include <cmath>

namespace Tessora {

Block::Block(const Vec2& centre, const Vec2& orientation, float halfWidth, float halfHeight)
    : halfWidth_(std::fabs(halfWidth)), halfHeight_(std::fabs(halfHeight)) {
  position_ = centre;
  orientation_ = orientation;
  Update();
}

Block::Block(Vec2 centre, float width, float height)
    : Block(centre, Vec2(1.0f, 0.0f), width * 0.5f, height * 0.5f) {}

Block::Block(Vec2 corner1, Vec2 corner2)
    : Block((corner1 + corner2) * 0.5f, Vec2(1.0f, 0.0f), (corner2.x - corner1.x) * 0.5f,
            (corner2.y - corner1.y) * 0.5f) {}

float Block::GetHalfExtent(int axis) const { return axis == 0 ? halfWidth_ : halfHeight_; }

Vec2 Block::GetAxis(int axis) const {
  return axis == 0 ? orientation_ * halfWidth_ : orientation_.Perp() * halfHeight_;
}

void Block::Update() {
  const Vec2 u = GetAxis(0);
  const Vec2 v = GetAxis(1);
  corners_ = {position_ - u - v, position_ + u - v, position_ + u + v, position_ - u + v};
  box_ = {corners_[0].x, corners_[0].y, corners_[0].x, corners_[0].y};
  for (const Vec2& c : corners_) {
    box_.minX = std::min(box_.minX, c.x);
    box_.minY = std::min(box_.minY, c.y);
    box_.maxX = std::max(box_.maxX, c.x);
    box_.maxY = std::max(box_.maxY, c.y);
  }
}

// A line has no height; its mass box is one unit thick.
void Block::SetMass(dBodyID body, float density) const {
  const float height = halfHeight_ == 0.0f ? 1.0f : 2.0f * halfHeight_;
  SetBoxMass(body, density, 2.0f * halfWidth_, height);
}

namespace {

Vec2 Direction(const Vec2& from, const Vec2& to) {
  const Vec2 d = to - from;
  const float length = d.Length();
  return length > 0.0f ? d * (1.0f / length) : Vec2(1.0f, 0.0f);
}

}  // namespace

Line::Line(Vec2 p1, Vec2 p2)
    : Block((p1 + p2) * 0.5f, Direction(p1, p2), (p2 - p1).Length() * 0.5f, 0.0f) {}

}  // namespace Tessora
