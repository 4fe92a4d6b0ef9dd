// The script functions that give a level its rules: events on objects,
// the bike, collisions and variables, the registration of conditions made
// earlier, timers and the time-up. Every event text arrives as the script
// gave it (nil is the empty text) and runs as a chunk in the level's state
// each time the event fires.
#pragma once

#include <string>

namespace Kest {

class Condition;
class Object;

namespace ScriptApi {

// Once-only events on where the object's centre is; without an object
// they test the origin. A threshold or corner that is not finite is
// refused with a log line.
void EventXGreater(Object* object, double x, const std::string& text);
void EventYGreater(Object* object, double y, const std::string& text);
void EventXLess(Object* object, double x, const std::string& text);
void EventYLess(Object* object, double y, const std::string& text);
void EventBox(Object* object, double x1, double y1, double x2, double y2, const std::string& text);

// Once-only: the bike flipped.
void EventFlipped(const std::string& text);
// Once-only: the object touched the other. Refused with a log line when
// either is missing or the first has no physics object.
void EventCollision(Object* object, Object* other, const std::string& text);
// The bike's wheel touched what its wheel rules report. Each first makes
// the object (when given) that wheel's target; the Target form also makes
// the front wheel report only its target, for the rest of the level.
void EventFrontWheelCollision(Object* object, const std::string& text, bool once);
void EventFrontWheelCollisionTarget(Object* object, const std::string& text, bool once);
void EventRearWheelCollision(Object* object, const std::string& text, bool once);
// Once-only: the variable was set, to anything or to the value (an empty
// value is any value).
void EventVariableTriggered(const std::string& name, const std::string& text);
void EventVariableTriggered(const std::string& name, const std::string& value,
                            const std::string& text);

// The event manager takes the condition (made by a CreateEvent function);
// the object is what an object condition tests, nil for none. Refused with
// a log line: no condition, and one that has an owner already.
void RegisterEvent(Object* object, Condition* condition, const std::string& text);
void RegisterEvent(Object* object, Condition* condition, const std::string& text, bool once);

// A once-only event after so many whole seconds of play (negative counts
// as 0; a 0-second timer fires at the first tick); a named timer can be
// restarted.
void RegisterTimerEvent(double seconds, const std::string& text);
void RegisterTimerEvent(const std::string& name, double seconds, const std::string& text);
// Only the first call of a level counts; with it, running out of time runs
// the text instead of restarting the level.
void RegisterTimeUpEvent(const std::string& text);
// The named timer counts again from its full time; nothing for a name
// without a timer or a timer that has run out.
void RestartTimer(const std::string& name);

}  // namespace ScriptApi
}  // namespace Kest
