#include "render/collector.h"

#include <algorithm>

#include "render/autoloader.h"
#include "render/framebuffer.h"

namespace ol {
namespace {

GarbageCollector* instance = nullptr;
bool instanceRetired = false;  // shut down for good: no second collector

}  // namespace

GarbageCollector* GarbageCollector::Get() {
  if (instance == nullptr && !instanceRetired) instance = new GarbageCollector;
  return instance;
}

GarbageCollector::~GarbageCollector() {
  if (this != instance) return;
  instance = nullptr;
  instanceRetired = true;
}

void GarbageCollector::Register(GarbageCollected* item) { items_.push_back(item); }

void GarbageCollector::Unregister(GarbageCollected* item) { items_.remove(item); }

bool GarbageCollector::IsRegistered(const GarbageCollected* item) const {
  return std::find(items_.begin(), items_.end(), item) != items_.end();
}

// Each item leaves the list before it is destroyed: a destructor that
// unregisters itself, or deletes items it owns, never changes a list that is
// being walked.
void GarbageCollector::DestroyAll() {
  while (!items_.empty()) {
    GarbageCollected* item = items_.front();
    items_.pop_front();
    item->Destroy(false);
    if (item->DeleteWhenCollected()) delete item;
  }
}

void GarbageCollector::Shutdown() {
  DestroyAll();
  FrameBuffer::DestroyAll();
}

void GarbageCollector::RunAutoLoader() { RunQueuedLoads(items_); }

}  // namespace ol
