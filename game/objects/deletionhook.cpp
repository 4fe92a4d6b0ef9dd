#include "game/objects/deletionhook.h"

namespace Kest {

namespace {
DeletionListener listener = nullptr;
}  // namespace

void SetDeletionListener(DeletionListener newListener) { listener = newListener; }

void ReportDeletion(const void* address) {
  if (listener) listener(address);
}

}  // namespace Kest
