// A shape made of parts (circles, blocks, lines or composites), moved and
// turned about its own position as one.
#pragma once

#include <vector>

#include "tessora/shape.h"

namespace Tessora {

class Composite : public Shape {
 public:
  explicit Composite(const Vec2& position);
  ~Composite() override;
  Composite(const Composite&) = delete;
  Composite& operator=(const Composite&) = delete;

  // Takes the part, already placed, and appends it. The box covers it after
  // the next Update.
  void AddPart(Shape* part);
  int GetPartCount() const { return static_cast<int>(parts_.size()); }
  const Shape& GetPart(int index) const { return *parts_[index].shape; }

  // Runs every part's Update and boxes them all; without parts the box is
  // empty (+inf, +inf, -inf, -inf) and overlaps nothing.
  void Update() override;
  // Both setters carry the parts along: they keep their places in the
  // composite's own frame.
  void SetPosition(const Vec2& position) override;
  void SetOrientation(const Vec2& orientation) override;
  // A fixed 100 x 100 box, whatever the parts.
  void SetMass(dBodyID body, float density) const override;
  ShapeType GetType() const override { return ShapeType::Composite; }

 private:
  // A part and its offset and orientation in the composite's own frame, as
  // it was added.
  struct Part {
    Shape* shape;
    Vec2 offset;
    Vec2 orientation;
  };

  void PlaceParts();

  std::vector<Part> parts_;
};

}  // namespace Tessora
