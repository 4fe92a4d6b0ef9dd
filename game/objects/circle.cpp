#include "game/objects/circle.h"

#include "game/objects/outline.h"
#include "render/ellipse.h"
#include "tessora/circle.h"

namespace Kest {

Circle::Circle(float x, float y, float radius, const std::string& textureName, bool dynamic)
    : radius_(radius) {
  MakePhysics(new Tessora::Circle(Tessora::Vec2(x, y), radius), dynamic);
  texture_.Load(textureName);
}

void Circle::Draw() {
  const ol::Vec2 centre = GetShapeCentre();
  if (texture_.IsValid()) {
    BlitTexture(centre - ol::Vec2(radius_, radius_));
    return;
  }
  if (!IsVisible()) return;
  const auto& shape = static_cast<const Tessora::Circle&>(*Physics().GetShape());
  if (IsFilled()) {
    ol::Circle(centre.x, centre.y, radius_, 1.0f, ol::SHAPE_ACCURACY).Draw(GetFillColor());
  } else {
    DrawCircleOutline(shape, GetColor());
  }
}

Object* Circle::Clone() const {
  const ol::Vec2 centre = GetShapeCentre();
  Circle* copy = new Circle(centre.x, centre.y, radius_, std::string(), IsDynamic());
  copy->texture_ = texture_;
  return copy;
}

}  // namespace Kest
