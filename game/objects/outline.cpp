#include "game/objects/outline.h"

#include "render/ellipse.h"
#include "render/line.h"
#include "tessora/block.h"
#include "tessora/circle.h"

namespace Kest {

namespace {

void DrawSegment(const Tessora::Vec2& from, const Tessora::Vec2& to, const ol::Rgba& color) {
  ol::Line(from.x, from.y, to.x, to.y, 1.0f).Draw(color);
}

}  // namespace

void DrawBlockEdges(const Tessora::Block& block, const ol::Rgba& color) {
  const std::array<Tessora::Vec2, 4>& corners = block.GetCorners();
  for (std::size_t i = 0; i < corners.size(); ++i) {
    DrawSegment(corners[i], corners[(i + 1) % corners.size()], color);
  }
}

void DrawLineShape(const Tessora::Block& line, const ol::Rgba& color) {
  const Tessora::Vec2 half = line.GetAxis(0);
  DrawSegment(line.GetPosition() - half, line.GetPosition() + half, color);
}

void DrawCircleOutline(const Tessora::Circle& circle, const ol::Rgba& color) {
  const Tessora::Vec2& centre = circle.GetPosition();
  ol::Circle(centre.x, centre.y, circle.GetRadius(), 1.0f, ol::SHAPE_ACCURACY).DrawOutline(color);
}

}  // namespace Kest
