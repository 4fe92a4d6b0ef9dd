#include "game/objects/shapemakers.h"

#include <utility>

#include "game/objects/arc.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/line.h"
#include "game/utility/utility.h"

namespace Kest {

Object* CircleMaker::Make(AttributeMap& attributes) {
  const Common common = ReadCommon(attributes);
  const float radius = ReadNumber(attributes, "radius");
  if (!CheckFinite({common.x - radius, common.x + radius, common.y - radius, common.y + radius}))
    return nullptr;
  if (!(radius > 0.0f)) return Refuse("radius is not above 0");
  return new Circle(common.x, common.y, radius, common.texture, common.dynamic);
}

Object* LineMaker::Make(AttributeMap& attributes) {
  const Common common = ReadCommon(attributes);
  ol::Vec2 start(common.x + ReadNumber(attributes, "x1"), common.y + ReadNumber(attributes, "y1"));
  ol::Vec2 end(common.x + ReadNumber(attributes, "x2"), common.y + ReadNumber(attributes, "y2"));
  const int flipMode = ReadFlipMode(attributes);
  if (flipMode == 0 || flipMode == 2) std::swap(start.x, end.x);
  if (flipMode == 1 || flipMode == 2) std::swap(start.y, end.y);
  if (!CheckFinite({start.x, start.y, end.x, end.y})) return nullptr;
  if (IsSamePoint(start, end)) return Refuse("both ends are the same point");
  if (flipMode < 0) return new Line(start.x, start.y, end.x, end.y, common.texture, false);
  return new Line(start.x, start.y, end.x, end.y, common.texture, flipMode, false);
}

Object* ArcMaker::Make(AttributeMap& attributes) {
  const Common common = ReadCommon(attributes);
  const float radius = ReadNumber(attributes, "radius");
  const auto quarterText = attributes.find("quarter");
  const int quarter = quarterText == attributes.end() ? 1 : StringToInt(quarterText->second);
  const int flipMode = ReadFlipMode(attributes);
  if (!CheckFinite({common.x + radius, common.y + radius})) return nullptr;
  if (flipMode < 0) return Arc::Create(common.x, common.y, radius, common.texture, quarter);
  return Arc::Create(common.x, common.y, radius, common.texture, quarter, flipMode);
}

Object* BlockMaker::Make(AttributeMap& attributes) {
  const Common common = ReadCommon(attributes);
  const float width = ReadNumber(attributes, "width");
  const float height = ReadNumber(attributes, "height");
  const int flipMode = ReadFlipMode(attributes);
  if (!CheckFinite({common.x + width, common.y + height})) return nullptr;
  if (!(width > 0.0f && height > 0.0f)) return Refuse("width or height is not above 0");
  if (flipMode < 0) {
    return new Block(common.x, common.y, width, height, common.texture, common.dynamic);
  }
  return new Block(common.x, common.y, width, height, common.texture, common.dynamic, flipMode);
}

Object* MakeObject(AttributeMap& attributes) {
  // The game's makers, made (and so registered) on the first call.
  static CircleMaker circle;
  static LineMaker line;
  static ArcMaker arc;
  static BlockMaker block;
  const auto name = attributes.find("class");
  if (name == attributes.end()) return nullptr;
  Maker<Object>* maker = Maker<Object>::Find(name->second);
  return maker ? maker->Make(attributes) : nullptr;
}

}  // namespace Kest
