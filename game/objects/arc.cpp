#include "game/objects/arc.h"

#include "game/objects/arcpoints.h"
#include "game/objects/outline.h"
#include "game/utility/utility.h"
#include "tessora/block.h"
#include "tessora/composite.h"

namespace Kest {

namespace {

bool IsValidQuarter(int quarter) { return quarter >= 1 && quarter <= 4; }

// An arc has a part for every few pixels of its length, and its points are
// stepped in floats: far beyond any track's size the parts would fill the
// memory, and past 2^24 the steps would stop moving.
constexpr float kMaxRadius = 100000.0f;

bool Refuse(const std::string& why) {
  Log("Arc not made: " + why);
  return false;
}

bool CanBuild(float radiusX, float radiusY, int quarter) {
  if (!IsValidQuarter(quarter)) return Refuse("quarter " + ToString(quarter) + " is not 1 to 4");
  if (!(radiusX > 0.0f && radiusY > 0.0f)) return Refuse("radius is not above 0");
  if (radiusX > kMaxRadius || radiusY > kMaxRadius) return Refuse("radius is above 100000");
  return true;
}

}  // namespace

Arc* Arc::Create(float x, float y, float radius, const std::string& textureName, int quarter) {
  if (!CanBuild(radius, radius, quarter)) return nullptr;
  Arc* arc = new Arc(x, y, textureName);
  arc->Build(CircleQuarterPoints(radius, quarter));
  return arc;
}

Arc* Arc::Create(float x, float y, float radius, const std::string& textureName, int quarter,
                 int flipMode) {
  const int built = IsValidQuarter(quarter) ? FlipQuarter(quarter, flipMode) : quarter;
  Arc* arc = Create(x, y, radius, textureName, built);
  if (arc) arc->texture_.SetFlipMode(flipMode);
  return arc;
}

Arc* Arc::CreateElliptic(float x, float y, float radiusX, float radiusY,
                         const std::string& textureName, int quarter) {
  if (!CanBuild(radiusX, radiusY, quarter)) return nullptr;
  Arc* arc = new Arc(x, y, textureName);
  arc->Build(EllipseQuarterPoints(radiusX, radiusY, quarter));
  return arc;
}

Arc::Arc(float x, float y, const std::string& textureName) : x_(x), y_(y) {
  MakePhysics(new Tessora::Composite(Tessora::Vec2(x, y)), false);
  texture_.Load(textureName);
}

// Consecutive points joined by line parts; a part of no length (the last
// point to itself, or two points that coincide) would have no direction
// and is left out.
void Arc::Build(const std::vector<ol::Vec2>& points) {
  auto& shape = static_cast<Tessora::Composite&>(*Physics().GetShape());
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const ol::Vec2 from = points[i] + ol::Vec2(x_, y_);
    const ol::Vec2 to = points[i + 1] + ol::Vec2(x_, y_);
    if (IsSamePoint(from, to)) continue;
    shape.AddPart(new Tessora::Line(Tessora::Vec2(from.x, from.y), Tessora::Vec2(to.x, to.y)));
  }
  shape.Update();
}

int Arc::GetPartCount() const {
  return static_cast<const Tessora::Composite&>(*Physics().GetShape()).GetPartCount();
}

void Arc::Draw() {
  if (texture_.IsValid()) {
    BlitTexture(ol::Vec2(x_, y_));
    return;
  }
  if (!IsVisible()) return;
  const auto& shape = static_cast<const Tessora::Composite&>(*Physics().GetShape());
  for (int i = 0; i < shape.GetPartCount(); ++i) {
    DrawLineShape(static_cast<const Tessora::Block&>(shape.GetPart(i)), GetColor());
  }
}

}  // namespace Kest
