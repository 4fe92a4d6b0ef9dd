#include "tessora/composite.h"

#include <algorithm>
#include <limits>

namespace Tessora {

namespace {

// v turned by the turn of the unit vector by, (1, 0) to by.
Vec2 TurnedBy(const Vec2& v, const Vec2& by) {
  return Vec2(v.x * by.x - v.y * by.y, v.y * by.x + v.x * by.y);
}

Vec2 Inverse(const Vec2& turn) { return Vec2(turn.x, -turn.y); }

}  // namespace

Composite::Composite(const Vec2& position) {
  position_ = position;
  Update();
}

Composite::~Composite() {
  for (const Part& part : parts_) delete part.shape;
}

void Composite::AddPart(Shape* part) {
  const Vec2 back = Inverse(orientation_);
  parts_.push_back({part, TurnedBy(part->GetPosition() - position_, back),
                    TurnedBy(part->GetOrientation(), back)});
}

void Composite::Update() {
  const float inf = std::numeric_limits<float>::infinity();
  box_ = {inf, inf, -inf, -inf};
  for (const Part& part : parts_) {
    part.shape->Update();
    const BoundingBox& b = part.shape->GetBox();
    box_.minX = std::min(box_.minX, b.minX);
    box_.minY = std::min(box_.minY, b.minY);
    box_.maxX = std::max(box_.maxX, b.maxX);
    box_.maxY = std::max(box_.maxY, b.maxY);
  }
}

void Composite::SetPosition(const Vec2& position) {
  position_ = position;
  PlaceParts();
}

void Composite::SetOrientation(const Vec2& orientation) {
  orientation_ = orientation;
  PlaceParts();
}

// The parts are placed afresh from their places in the composite's own frame
// on every move, so the rounding of each step's pose does not build up in
// them: a riding composite keeps its size.
void Composite::PlaceParts() {
  for (const Part& part : parts_) {
    part.shape->SetOrientation(TurnedBy(part.orientation, orientation_));
    part.shape->SetPosition(position_ + TurnedBy(part.offset, orientation_));
  }
}

void Composite::SetMass(dBodyID body, float density) const {
  SetBoxMass(body, density, 100.0f, 100.0f);
}

}  // namespace Tessora
