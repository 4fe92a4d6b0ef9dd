// A polygon placed with its own placement, drawn filled (convex) or as a
// mitred band along its closed outline.
#pragma once

#include <vector>

#include "render/shape.h"

namespace ol {

class Polygon : public Shape {
 public:
  explicit Polygon(float pivotX = 0.0f, float pivotY = 0.0f);
  Polygon(const std::vector<Vec2>& vertices, float pivotX = 0.0f, float pivotY = 0.0f);

  void MoveBy(const Vec2& amount) override;
  void MoveTo(const Vec2& position) override;
  void RotateBy(float angle) override;
  void TransformBy(const Placement& placement) override;
  std::string ToString() const override;
  void DrawRaw() const override;
  void DrawOutlineRaw() const override;

  virtual void AddVertex(const Vec2& vertex);
  // Replaces a vertex and returns it; an index outside the list changes
  // nothing and returns the point given.
  virtual Vec2 SetVertex(int index, const Vec2& vertex);

  const std::vector<Vec2>& GetVertices() const { return vertices_; }
  // One length per edge added, the closing edge not counted.
  const std::vector<float>& GetSegmentLengths() const { return segmentLengths_; }
  float GetTotalLength() const { return totalLength_; }
  const Placement& GetPlacement() const { return placement_; }

 protected:
  bool DrawsThroughBatch() const override { return true; }

 private:
  std::vector<Vec2> vertices_;
  std::vector<float> segmentLengths_;
  float totalLength_ = 0.0f;
  Placement placement_;
};

}  // namespace ol
