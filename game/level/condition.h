// What an event waits for. The event manager tests each registered
// condition after every physics step, handing it the event's argument (the
// object whose position it tests, or null), and runs the event's script
// text when it holds.
#pragma once

#include "game/utility/livecount.h"
#include "render/vec2.h"

namespace Kest {

class Object;

class Condition : public LiveCount<Condition> {
 public:
  Condition() = default;
  // Scripts may still hold the condition: they are told before it goes.
  virtual ~Condition();
  Condition(const Condition&) = delete;
  Condition& operator=(const Condition&) = delete;

  virtual bool IsSatisfied(Object* argument) = 0;
  // Whether IsSatisfied reads the argument object: an event whose
  // condition does must go with its object, the others outlive it.
  virtual bool ReadsArgument() const { return false; }
  // After a repeating event has run: the condition waits for its next
  // occasion. Conditions that only look at the present need nothing.
  virtual void Reset() {}
};

// The object's centre; the origin for no object.
ol::Vec2 GetObjectCenter(const Object* object);

}  // namespace Kest
