#include "game/level/timermanager.h"

#include <atomic>

namespace Kest {

namespace {
// The countdown runs on the library's timer thread.
std::atomic<unsigned> remainingTicks{0};
}  // namespace

unsigned TimerManager::GetRemainingTicks() { return remainingTicks.load(); }

}  // namespace Kest
