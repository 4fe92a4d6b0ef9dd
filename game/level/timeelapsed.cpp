#include "game/level/timeelapsed.h"

#include "game/level/eventmanager.h"

namespace Kest {

TimeElapsedCondition::TimeElapsedCondition(unsigned ticks, const std::string& text)
    : remaining_(ticks), initial_(ticks), condition_(new TimeElapsedConditionImpl()) {
  EventManager* events = EventManager::GetInstance();
  if (!events || !events->AddEvent(nullptr, condition_, text, true)) {
    delete condition_;
    condition_ = nullptr;
  }
}

void TimeElapsedCondition::Tick(unsigned) {
  if (remaining_ > 0) --remaining_;
  if (remaining_ > 0) return;
  if (condition_) condition_->SetElapsed();
  condition_ = nullptr;
  if (TimerManager* timers = TimerManager::GetInstance()) timers->RemoveTimer(this);
}

void TimeElapsedCondition::Restart() {
  if (remaining_ != 0) remaining_ = initial_;
}

}  // namespace Kest
