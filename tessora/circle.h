#pragma once

#include "tessora/shape.h"

namespace Tessora {

class Circle : public Shape {
 public:
  // A negative radius counts by its size.
  Circle(const Vec2& centre, float radius);

  void Update() override;
  void SetMass(dBodyID body, float density) const override;
  ShapeType GetType() const override { return ShapeType::Circle; }

  float GetRadius() const { return radius_; }

 private:
  float radius_;
};

}  // namespace Tessora
