#include "script/conditionmakers.h"

#include <string>

#include "game/level/collisioncondition.h"
#include "game/level/objectconditions.h"
#include "game/utility/utility.h"
#include "script/arguments.h"

namespace Kest {
namespace ScriptApi {

Condition* MakeThresholdCondition(const char* function, Threshold kind, double value) {
  if (!ScriptArguments::AreFinite(function, {value})) return nullptr;
  const float threshold = static_cast<float>(value);
  switch (kind) {
    case Threshold::kXGreater: return new ConditionObjectXGreater(threshold);
    case Threshold::kYGreater: return new ConditionObjectYGreater(threshold);
    case Threshold::kXLess: return new ConditionObjectXLess(threshold);
    case Threshold::kYLess: return new ConditionObjectYLess(threshold);
  }
  return nullptr;
}

Condition* MakeBoxCondition(const char* function, double x1, double y1, double x2, double y2) {
  if (!ScriptArguments::AreFinite(function, {x1, y1, x2, y2})) return nullptr;
  return new ConditionObjectBox(float(x1), float(y1), float(x2), float(y2));
}

Condition* MakeCollisionCondition(const char* function, Object* object, Object* other) {
  if (!object || !other) {
    Log(std::string(function) + ": no object to watch");
    return nullptr;
  }
  if (!object->GetBody()) {
    Log(std::string(function) + ": the object has no physics object");
    return nullptr;
  }
  return new CollisionCondition(object, other);
}

}  // namespace ScriptApi
}  // namespace Kest
