#include "game/level/timermanager.h"

#include <atomic>
#include <memory>

namespace Kest {

namespace {
// The countdown runs on the library's timer thread.
std::atomic<unsigned> remainingTicks{0};
std::unique_ptr<TimerManager> instance;
}  // namespace

void TimerManager::Create() {
  Destroy();
  instance.reset(new TimerManager());
}

void TimerManager::Destroy() { instance.reset(); }

TimerManager* TimerManager::GetInstance() { return instance.get(); }

unsigned TimerManager::GetRemainingTicks() { return remainingTicks.load(); }

void TimerManager::Start() { remainingTicks = levelTime_; }

// The countdown and the level's timers run on the timer thread; until they
// do there is nothing to stop.
void TimerManager::Stop() {}

}  // namespace Kest
