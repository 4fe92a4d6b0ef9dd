#include "game/level/eventmanager.h"

#include <memory>

namespace Kest {

namespace {
std::unique_ptr<EventManager> instance;
}  // namespace

void EventManager::Create() {
  Destroy();
  instance.reset(new EventManager());
}

void EventManager::Destroy() { instance.reset(); }

EventManager* EventManager::GetInstance() { return instance.get(); }

// Scripts cannot register events yet: there is nothing to clear or run.
void EventManager::Clear() {}

void EventManager::Update() {}

}  // namespace Kest
