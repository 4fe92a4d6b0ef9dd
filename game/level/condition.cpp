#include "game/level/condition.h"

#include "game/objects/deletionhook.h"
#include "game/objects/object.h"

namespace Kest {

Condition::~Condition() { ReportDeletion(this); }

ol::Vec2 GetObjectCenter(const Object* object) { return object ? object->GetCenter() : ol::Vec2(); }

}  // namespace Kest
