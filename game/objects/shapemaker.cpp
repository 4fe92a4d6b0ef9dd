#include "game/objects/shapemaker.h"

#include <cmath>

#include "game/utility/utility.h"

namespace Kest {

ShapeMaker::Common ShapeMaker::ReadCommon(AttributeMap& attributes) {
  Common common;
  const auto x = attributes.find("x");
  if (x != attributes.end()) common.x = StringToNumber<float>(x->second);
  const auto y = attributes.find("y");
  if (y != attributes.end()) common.y = StringToNumber<float>(y->second);
  common.texture = attributes["texture"];
  const auto dynamic = attributes.find("dynamic");
  if (dynamic != attributes.end()) common.dynamic = ParseBool(dynamic->second);
  return common;
}

float ShapeMaker::ReadNumber(AttributeMap& attributes, const std::string& name) {
  return StringToNumber<float>(attributes[name]);
}

int ShapeMaker::ReadFlipMode(AttributeMap& attributes) {
  const bool horizontal = ParseBool(attributes["hflip"]);
  const bool vertical = ParseBool(attributes["vflip"]);
  if (horizontal && vertical) return 2;
  if (vertical) return 1;
  return horizontal ? 0 : -1;
}

bool ShapeMaker::CheckFinite(std::initializer_list<float> values) const {
  for (float value : values) {
    if (!std::isfinite(value)) {
      Refuse("a number is not finite");
      return false;
    }
  }
  return true;
}

Object* ShapeMaker::Refuse(const std::string& why) const {
  Log("Scene " + name_ + " not made: " + why);
  return nullptr;
}

}  // namespace Kest
