// Ellipses and circles, cut into straight segments.
#pragma once

#include "render/affine.h"
#include "render/shape.h"

namespace ol {

class Ellipse : public Shape {
 public:
  void MoveBy(const Vec2& amount) override;
  void MoveTo(const Vec2& position) override;
  void RotateBy(float angle) override;
  void TransformBy(const Placement& placement) override;
  std::string ToString() const override;
  void DrawRaw() const override;
  // A line width above 1 lies inside the shape; otherwise a line loop.
  void DrawOutlineRaw() const override;

  // Chooses the segment angle for the larger radius.
  void SetAccuracy(float accuracy);

 protected:
  Ellipse(float x, float y, float radiusX, float radiusY, float lineWidth, float accuracy);
  bool DrawsThroughBatch() const override { return true; }

 private:
  // A shape without a positive radius, or with an unusable step, is not drawn.
  bool IsDrawable() const;
  // The shape's centre and angle.
  Affine Placed() const;
  void DrawThickOutline() const;

  Vec2 pos_;
  float angle_ = 0.0f;
  float radiusX_;
  float radiusY_;
  float step_ = 0.0f;
};

class Circle : public Ellipse {
 public:
  Circle(float x, float y, float radius, float lineWidth = 1.0f,
         float accuracy = SHAPE_ACCURACY);
};

}  // namespace ol
