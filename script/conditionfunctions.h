// The script functions that make event conditions for later: the script
// registers them with RegisterEvent or adds them to a composite, which
// then owns them. Until then they belong to the script engine, which
// deletes what nobody took when the state closes.
#pragma once

namespace Kest {

class Condition;
class ConditionComposite;
class Object;

namespace ScriptApi {

// Null (nil for the script) when a number is not finite.
Condition* CreateEventXGreater(double x);
Condition* CreateEventYGreater(double y);
Condition* CreateEventXLess(double x);
Condition* CreateEventYLess(double y);
Condition* CreateEventBox(double x1, double y1, double x2, double y2);
Condition* CreateEventFlipped();
// Null when an object is missing or the first has no physics object.
Condition* CreateEventCollision(Object* object, Object* other);
ConditionComposite* CreateCompositeEvent();

// The method Add of ConditionComposite: the composite owns the member from
// then on. Refused with a log line: a member that has an owner already,
// and one the composite cannot hold.
void Add(ConditionComposite* composite, Condition* member);

}  // namespace ScriptApi
}  // namespace Kest
