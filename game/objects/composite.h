// Level objects built from several parts that move as one body, and the
// static triangle.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "game/objects/bodyobject.h"
#include "render/vec2.h"

namespace Tessora {
class Composite;
}

namespace Kest {

class Triangle;

class Composite : public BodyObject {
 public:
  enum PartKind { kBlockPart = 0, kLinePart = 1, kCirclePart = 2 };

  // Part coordinates are relative to (x, y). The texture is kept but never
  // drawn.
  Composite(float x, float y, const std::string& textureName, bool dynamic);
  ~Composite() override;

  void AddLine(float x1, float y1, float x2, float y2);
  void AddCircle(float x, float y, float radius);
  // The block with its top-left corner at (x, y).
  void AddBlock(float x, float y, float width, float height);
  // Boxes the parts; call it once the parts are added.
  void Finalize();

  // Every part's outline in the colour, whatever the visible and fill flags.
  void Draw() override;

  const std::vector<int>& GetPartKinds() const { return partKinds_; }
  // The parts of all composites alive: each one is placed at every step and
  // drawn at every frame, so level scripts may add only so many.
  static std::size_t GetLivePartCount() { return liveParts_; }

 protected:
  Tessora::Composite& CompositeShape() const;

 private:
  void AddPart(Tessora::Shape* part, PartKind kind);

  std::vector<int> partKinds_;
  static inline std::size_t liveParts_ = 0;
};

// A static triangle from three absolute corners: filled in the fill colour
// once one is set, else its edges in the colour.
class TriangleComposite : public Composite {
 public:
  TriangleComposite(const ol::Vec2& p1, const ol::Vec2& p2, const ol::Vec2& p3);
  ~TriangleComposite() override;

  void Draw() override;

 private:
  std::unique_ptr<Triangle> triangle_;
};

}  // namespace Kest
