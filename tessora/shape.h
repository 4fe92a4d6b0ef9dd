// Base of the collision shapes. A shape knows its pose (centre and a unit
// orientation vector), the axis-aligned box around it and its kind; the pair
// routines dispatch on the kind.
#pragma once

#include <cstdint>

#include <ode/ode.h>

#include "tessora/vec2.h"

namespace Tessora {

// The values index the 5 x 5 pair tables. Nothing reports Line (a line is a
// block of zero height) or Terrain; their rows stay so the tables keep shape.
enum class ShapeType : std::int32_t { Quad = 0, Line = 1, Circle = 2, Terrain = 3, Composite = 4 };
constexpr int kShapeTypeCount = 5;

struct BoundingBox {
  float minX = 0.0f;
  float minY = 0.0f;
  float maxX = 0.0f;
  float maxY = 0.0f;
};

class Shape {
 public:
  Shape() = default;
  virtual ~Shape() = default;

  // Recomputes what derives from the pose: the box, and a block's corners.
  virtual void Update() = 0;
  // Both setters only store: the box follows at the next Update.
  virtual void SetPosition(const Vec2& position);
  virtual void SetOrientation(const Vec2& orientation);
  // Gives the body the mass of a solid box of this density sized after the
  // shape. A mass that is not positive and finite is refused with a trace
  // line and the body keeps the mass it had.
  virtual void SetMass(dBodyID body, float density) const = 0;
  virtual ShapeType GetType() const = 0;

  const Vec2& GetPosition() const { return position_; }
  const Vec2& GetOrientation() const { return orientation_; }
  const BoundingBox& GetBox() const { return box_; }

 protected:
  Shape(const Shape&) = default;
  Shape& operator=(const Shape&) = default;

  static void SetBoxMass(dBodyID body, float density, float sx, float sy);

  BoundingBox box_;
  Vec2 orientation_{1.0f, 0.0f};
  Vec2 position_;
};

}  // namespace Tessora
