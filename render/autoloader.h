// The loads that bitmaps queued before the screen existed, run in passes:
// an item that is not ready yet is asked again in the next pass, until
// every item is done or failed, or a whole pass makes no progress.
#pragma once

#include <list>

namespace ol {

class GarbageCollected;

void RunQueuedLoads(std::list<GarbageCollected*> items);

}  // namespace ol
