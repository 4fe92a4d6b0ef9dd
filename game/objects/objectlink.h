// A pointer to a level object that someone else owns, which turns null when
// that object is destroyed: holders that outlive what they point at (a zone
// and the bike's parts, a pick-up item and its picture) never reach freed
// memory.
#pragma once

#include "game/objects/object.h"

namespace Kest {

class ObjectLink : private ObjectObserver {
 public:
  explicit ObjectLink(Object* object = nullptr);
  // A copy links the same object.
  ObjectLink(const ObjectLink& other);
  ObjectLink& operator=(const ObjectLink& other);
  ~ObjectLink() override;

  void Reset(Object* object);
  // Null once the object is gone.
  Object* Get() const { return object_; }

 private:
  void OnCollision(int kind, Object* object) override;

  Object* object_ = nullptr;
};

}  // namespace Kest
