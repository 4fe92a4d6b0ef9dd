#include "tessora/composite.h"

#include <algorithm>
#include <limits>

namespace Tessora {

Composite::Composite(const Vec2& position) {
  position_ = position;
  Update();
}

Composite::~Composite() {
  for (Shape* part : parts_) delete part;
}

void Composite::AddPart(Shape* part) { parts_.push_back(part); }

void Composite::Update() {
  const float inf = std::numeric_limits<float>::infinity();
  box_ = {inf, inf, -inf, -inf};
  for (Shape* part : parts_) {
    part->Update();
    const BoundingBox& b = part->GetBox();
    box_.minX = std::min(box_.minX, b.minX);
    box_.minY = std::min(box_.minY, b.minY);
    box_.maxX = std::max(box_.maxX, b.maxX);
    box_.maxY = std::max(box_.maxY, b.maxY);
  }
}

void Composite::SetPosition(const Vec2& position) {
  const Vec2 delta = position - position_;
  position_ = position;
  for (Shape* part : parts_) part->SetPosition(part->GetPosition() + delta);
}

void Composite::SetOrientation(const Vec2& orientation) {
  // Cosine and sine of the turn from the current orientation to the new one.
  const float c = Dot(orientation, orientation_);
  const float s = orientation_.x * orientation.y - orientation_.y * orientation.x;
  const auto turn = [c, s](const Vec2& v) { return Vec2(v.x * c - v.y * s, v.y * c + v.x * s); };
  for (Shape* part : parts_) {
    part->SetOrientation(turn(part->GetOrientation()));
    const Vec2 offset = part->GetPosition() - position_;
    if (offset.x != 0.0f || offset.y != 0.0f) part->SetPosition(position_ + turn(offset));
  }
  orientation_ = orientation;
}

void Composite::SetMass(dBodyID body, float density) const {
  SetBoxMass(body, density, 100.0f, 100.0f);
}

}  // namespace Tessora
