// A filled triangle for the drawing layer.
#pragma once

#include <string>

#include "render/shape.h"

namespace Kest {

class Triangle : public ol::Shape {
 public:
  Triangle(const ol::Vec2& p1, const ol::Vec2& p2, const ol::Vec2& p3);

  void MoveBy(const ol::Vec2& amount) override;
  // The triangle stays where it was built.
  void MoveTo(const ol::Vec2&) override {}
  std::string ToString() const override;
  void DrawRaw() const override;
  void DrawOutlineRaw() const override { DrawRaw(); }

  const ol::Vec2& GetCorner(int index) const { return corners_[index]; }

 private:
  ol::Vec2 corners_[3];
};

}  // namespace Kest
