// An oriented rectangle, and the line segment as a block of zero height.
#pragma once

#include <array>

#include "tessora/shape.h"

namespace Tessora {

class Block : public Shape {
 public:
  // Negative sizes count by their size.
  Block(Vec2 centre, float width, float height);
  // The block between two opposite corners, in either order.
  Block(Vec2 corner1, Vec2 corner2);

  void Update() override;
  void SetMass(dBodyID body, float density) const override;
  ShapeType GetType() const override { return ShapeType::Quad; }

  // Half width for axis 0, half height for any other axis.
  virtual float GetHalfExtent(int axis) const;
  // The orientation times the half width for axis 0; the perpendicular
  // (-orientation.y, orientation.x) times the half height otherwise.
  Vec2 GetAxis(int axis) const;
  // Corners in the order centre -u -v, +u -v, +u +v, -u +v, with u and v
  // the two axes of GetAxis: for an unturned block top-left first, clockwise
  // on the screen.
  const std::array<Vec2, 4>& GetCorners() const { return corners_; }

 protected:
  Block(const Vec2& centre, const Vec2& orientation, float halfWidth, float halfHeight);

 private:
  float halfWidth_;
  float halfHeight_;
  std::array<Vec2, 4> corners_;
};

class Line : public Block {
 public:
  // A line whose ends coincide lies along (1, 0).
  Line(Vec2 p1, Vec2 p2);
};

}  // namespace Tessora
