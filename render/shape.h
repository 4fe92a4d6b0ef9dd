// An untextured 2D primitive drawn filled or as an outline, in a colour
// multiplied by the layer's tint.
#pragma once

#include <string>

#include "render/placement.h"
#include "render/rgba.h"
#include "render/vec2.h"

namespace ol {

// How finely curves are cut into segments; the game draws with 0.5.
constexpr float SHAPE_ACCURACY = 0.5f;

class Shape {
 public:
  explicit Shape(float lineWidth = 1.0f) : lineWidth_(lineWidth) {}
  virtual ~Shape() = default;

  virtual void MoveBy(const Vec2& amount) = 0;
  virtual void MoveTo(const Vec2& position) = 0;
  virtual void RotateBy(float /*angle*/) {}
  virtual void TransformBy(const Placement& /*placement*/) {}
  virtual std::string ToString() const = 0;
  // Draw untextured in the current colour: the last one Draw or
  // DrawOutline set.
  virtual void DrawRaw() const = 0;
  virtual void DrawOutlineRaw() const = 0;

  // Untextured, in tint times colour.
  void Draw(const Rgba& color) const;
  void DrawOutline(const Rgba& color) const;

  float GetLineWidth() const { return lineWidth_; }

 protected:
  // The layer's own shapes hand their vertices to the frame's batch; a
  // shape that draws with GL itself gets the batch flushed before it and
  // GL's colour set.
  virtual bool DrawsThroughBatch() const { return false; }

  float lineWidth_;

 private:
  void UseTintedColor(const Rgba& color) const;
};

}  // namespace ol
