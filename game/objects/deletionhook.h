// Level scripts hold game objects by their address. Whoever deletes a value
// that a script may hold (a level object, its texture, a condition) reports
// it here first, so that the script engine can turn every script value that
// points at it into a null handle before the memory is gone.
#pragma once

namespace Kest {

using DeletionListener = void (*)(const void* address);

// One listener at a time; null stops the reports.
void SetDeletionListener(DeletionListener listener);
void ReportDeletion(const void* address);

}  // namespace Kest
