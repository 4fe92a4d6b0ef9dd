// A rectangle with optionally rounded corners. A turn applies about the
// canvas origin, not about the rectangle itself.
#pragma once

#include "render/affine.h"
#include "render/shape.h"

namespace ol {

class Rect : public Shape {
 public:
  Rect(float x, float y, float w, float h, float lineWidth = 1.0f, float roundness = 0.0f,
       float accuracy = SHAPE_ACCURACY);

  void MoveBy(const Vec2& amount) override;
  void MoveTo(const Vec2& position) override;
  void RotateBy(float angle) override;
  void TransformBy(const Placement& placement) override;
  std::string ToString() const override;
  void DrawRaw() const override;
  // The line width lies outside the rectangle.
  void DrawOutlineRaw() const override;

  Vec2 GetPosition() const { return pos_; }
  Vec2 GetSize() const { return size_; }

 protected:
  bool DrawsThroughBatch() const override { return true; }

 private:
  bool IsRounded() const;
  // The rectangle's turn, about the canvas origin.
  Affine Turn() const;
  void DrawRoundedFill() const;
  void DrawRoundedOutline() const;
  // Draws the four corners, calling drawCorner(placement, startAngle) with
  // the placement of each corner's centre.
  template <typename CornerDrawer>
  void ForEachCorner(CornerDrawer drawCorner) const;

  Vec2 pos_;
  Vec2 size_;
  float roundness_;
  float cornerStep_;
  float angle_ = 0.0f;
};

}  // namespace ol
