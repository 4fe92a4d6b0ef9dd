#include "game/level/eventmanager.h"

namespace Kest {

// Events are registered by level scripts; until the game runs them there is
// no event manager, and Update is never reached.
EventManager* EventManager::GetInstance() { return nullptr; }

void EventManager::Update() {}

}  // namespace Kest
