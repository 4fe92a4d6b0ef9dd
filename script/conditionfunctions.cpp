#include "script/conditionfunctions.h"

#include "game/bike/bikeobserver.h"
#include "game/level/bikecondition.h"
#include "game/level/conditioncomposite.h"
#include "script/conditionmakers.h"
#include "script/handover.h"

namespace Kest {
namespace ScriptApi {

namespace {

// Null when the condition was refused (and deleted).
template <class T>
T* Unclaimed(T* condition) {
  return condition && Ownership().Made<Condition>(condition) ? condition : nullptr;
}

}  // namespace

Condition* CreateEventXGreater(double x) {
  return Unclaimed(MakeThresholdCondition("CreateEventXGreater", Threshold::kXGreater, x));
}

Condition* CreateEventYGreater(double y) {
  return Unclaimed(MakeThresholdCondition("CreateEventYGreater", Threshold::kYGreater, y));
}

Condition* CreateEventXLess(double x) {
  return Unclaimed(MakeThresholdCondition("CreateEventXLess", Threshold::kXLess, x));
}

Condition* CreateEventYLess(double y) {
  return Unclaimed(MakeThresholdCondition("CreateEventYLess", Threshold::kYLess, y));
}

Condition* CreateEventBox(double x1, double y1, double x2, double y2) {
  return Unclaimed(MakeBoxCondition("CreateEventBox", x1, y1, x2, y2));
}

Condition* CreateEventFlipped() {
  return Unclaimed<Condition>(new BikeCondition(BikeObserver::kFlip));
}

Condition* CreateEventCollision(Object* object, Object* other) {
  return Unclaimed(MakeCollisionCondition("CreateEventCollision", object, other));
}

ConditionComposite* CreateCompositeEvent() { return Unclaimed(new ConditionComposite()); }

void Add(ConditionComposite* composite, Condition* member) {
  HandOver(member, "Add", [&] { return composite->Add(member); });
}

}  // namespace ScriptApi
}  // namespace Kest
