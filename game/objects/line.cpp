#include "game/objects/line.h"

#include <cmath>

#include "tessora/block.h"

namespace Kest {

Line::Line(float x1, float y1, float x2, float y2, const std::string& textureName,
           bool dynamic) {
  MakePhysics(new Tessora::Line(Tessora::Vec2(x1, y1), Tessora::Vec2(x2, y2)), dynamic);
  texture_.Load(textureName);
}

Line::Line(float x1, float y1, float x2, float y2, const std::string& textureName,
           int flipMode, bool dynamic)
    : Line(x1, y1, x2, y2, textureName, dynamic) {
  texture_.SetFlipMode(flipMode);
}

// Half the line along its direction.
ol::Vec2 Line::HalfLine() const {
  return ToDrawing(static_cast<const Tessora::Line&>(*Physics().GetShape()).GetAxis(0));
}

ol::Vec2 Line::GetStart() const { return GetShapeCentre() - HalfLine(); }

ol::Vec2 Line::GetEnd() const { return GetShapeCentre() + HalfLine(); }

void Line::Draw() {
  if (!texture_.IsValid()) return;
  const ol::Vec2 centre = GetShapeCentre();
  float angle = GetAngle();
  if (!IsDynamic()) {
    const ol::Vec2 d = GetEnd() - GetStart();
    angle = std::atan2(d.y, d.x);
  }
  texture_.BlitRotated(centre.x, centre.y, angle);
}

}  // namespace Kest
