// The event conditions that script functions make, from arguments as the
// script gave them. A refused argument gives null and one log line that
// names the script function.
#pragma once

namespace Kest {

class Condition;
class Object;

namespace ScriptApi {

enum class Threshold { kXGreater, kYGreater, kXLess, kYLess };

// A finite threshold.
Condition* MakeThresholdCondition(const char* function, Threshold kind, double value);
// Finite corners.
Condition* MakeBoxCondition(const char* function, double x1, double y1, double x2, double y2);
// Two objects, the first with a physics object whose contacts it watches.
Condition* MakeCollisionCondition(const char* function, Object* object, Object* other);

}  // namespace ScriptApi
}  // namespace Kest
