#include "game/objects/objectlink.h"

namespace Kest {

ObjectLink::ObjectLink(Object* object) { Reset(object); }

ObjectLink::ObjectLink(const ObjectLink& other) : ObjectObserver() { Reset(other.object_); }

ObjectLink& ObjectLink::operator=(const ObjectLink& other) {
  Reset(other.object_);
  return *this;
}

ObjectLink::~ObjectLink() { Reset(nullptr); }

void ObjectLink::Reset(Object* object) {
  if (object == object_) return;
  if (object_) object_->RemoveObserver(this);
  object_ = object;
  if (object_) object_->AddObserver(this);
}

// Told while the object is being destroyed: its list of observers goes
// with it, so there is nothing to leave.
void ObjectLink::OnCollision(int kind, Object* object) {
  if (kind == kDestroyed && object == object_) object_ = nullptr;
}

}  // namespace Kest
