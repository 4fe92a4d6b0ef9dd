#include "game/objects/block.h"

#include <vector>

#include "game/objects/outline.h"
#include "render/polygon.h"
#include "render/rect.h"
#include "tessora/block.h"

namespace Kest {

Block::Block(float x, float y, float width, float height, const std::string& textureName,
             bool dynamic)
    : width_(width), height_(height) {
  MakePhysics(new Tessora::Block(Tessora::Vec2(x, y), Tessora::Vec2(x + width, y + height)),
              dynamic);
  texture_.Load(textureName);
}

Block::Block(float x, float y, float width, float height, const std::string& textureName,
             bool dynamic, int flipMode)
    : Block(x, y, width, height, textureName, dynamic) {
  texture_.SetFlipMode(flipMode);
}

void Block::Draw() {
  const auto& shape = static_cast<const Tessora::Block&>(*Physics().GetShape());
  const std::array<Tessora::Vec2, 4>& corners = shape.GetCorners();
  if (texture_.IsValid()) {
    BlitTexture(GetShapeCentre() - ol::Vec2(width_ * 0.5f, height_ * 0.5f));
    return;
  }
  if (!IsVisible()) return;
  if (!IsFilled()) {
    DrawBlockEdges(shape, GetColor());
  } else if (IsDynamic() || GetAngle() != 0.0f) {
    std::vector<ol::Vec2> vertices;
    for (const Tessora::Vec2& corner : corners) vertices.push_back(ToDrawing(corner));
    ol::Polygon(vertices).Draw(GetFillColor());
  } else {
    ol::Rect(corners[0].x, corners[0].y, corners[1].x - corners[0].x,
             corners[3].y - corners[0].y, 1.0f, 0.0f, ol::SHAPE_ACCURACY)
        .Draw(GetFillColor());
  }
}

Object* Block::Clone() const {
  const ol::Vec2 centre = GetShapeCentre();
  Block* copy = new Block(centre.x - width_ * 0.5f, centre.y - height_ * 0.5f, width_,
                          height_, std::string(), IsDynamic());
  copy->texture_ = texture_;
  return copy;
}

}  // namespace Kest
