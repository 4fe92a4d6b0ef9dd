// Holds once the watched object has touched the other object since the
// event last ran.
//
// When the watched object is deleted, the condition lets go of it and stays
// false for good. A condition registered as an event then removes its event
// and deletes itself; one that a composite or a script holds is left for
// its owner to delete.
#pragma once

#include "game/level/condition.h"
#include "game/objects/object.h"

namespace Kest {

class CollisionCondition : public Condition, public ObjectObserver {
 public:
  // Both objects must exist and the watched one must have a physics object
  // (the script functions check): its contacts are routed to the watch.
  CollisionCondition(Object* object, Object* other);
  ~CollisionCondition() override;

  bool IsSatisfied(Object* argument) override;
  void Reset() override { collided_ = false; }
  void OnCollision(int kind, Object* object) override;

  // Null once the watched object is gone.
  Object* GetObject() const { return object_; }

 private:
  Object* object_;
  bool collided_ = false;
};

}  // namespace Kest
