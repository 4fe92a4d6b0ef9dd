// A straight line segment, drawn at its origin.
#pragma once

#include "render/affine.h"
#include "render/shape.h"

namespace ol {

class Line : public Shape {
 public:
  Line(float x1, float y1, float x2, float y2, float lineWidth = 1.0f);

  void MoveBy(const Vec2& amount) override;
  void MoveTo(const Vec2& position) override;
  void RotateBy(float angle) override;
  void TransformBy(const Placement& placement) override;
  std::string ToString() const override;
  void DrawRaw() const override;
  void DrawOutlineRaw() const override;
  // The colour runs from the start colour to the end colour (both tinted).
  virtual void DrawGradientRaw(const Rgba& startColor, const Rgba& endColor) const;

  const Vec2& GetStart() const { return start_; }
  const Vec2& GetEnd() const { return end_; }
  const Vec2& GetOrigin() const { return origin_; }

 protected:
  bool DrawsThroughBatch() const override { return true; }

 private:
  Affine AtOrigin() const;

  Vec2 start_;
  Vec2 end_;
  Vec2 origin_;
};

}  // namespace ol
