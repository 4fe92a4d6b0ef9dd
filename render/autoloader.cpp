#include "render/autoloader.h"

#include "render/collector.h"

namespace ol {

void RunQueuedLoads(std::list<GarbageCollected*> items) {
  while (!items.empty()) {
    const std::size_t countBefore = items.size();
    for (auto it = items.begin(); it != items.end();) {
      if ((*it)->ExecuteQueuedCommands() == OL_LOAD_NOT_READY) {
        ++it;
      } else {
        it = items.erase(it);
      }
    }
    // Nothing got done in a whole pass: the rest wait on each other.
    if (items.size() >= countBefore) return;
  }
}

}  // namespace ol
