#include "game/level/collisioncondition.h"

#include "game/level/eventmanager.h"
#include "game/screens/debugconsole.h"

namespace Kest {

CollisionCondition::CollisionCondition(Object* object, Object* other) : object_(object) {
  object_->EnableCollisionCallback(true);
  object_->AddCollisionWatch(other);
  object_->AddObserver(this);
}

CollisionCondition::~CollisionCondition() {
  if (object_) object_->RemoveObserver(this);
}

bool CollisionCondition::IsSatisfied(Object*) { return collided_; }

void CollisionCondition::OnCollision(int kind, Object* object) {
  if (kind == kCollision) {
    DebugConsole::Log("Event: Collision");
    collided_ = true;
  } else if (kind == kDestroyed) {
    object->RemoveObserver(this);
    object_ = nullptr;
    collided_ = false;
    EventManager* events = EventManager::GetInstance();
    if (events && events->Remove(this)) delete this;
  }
}

}  // namespace Kest
