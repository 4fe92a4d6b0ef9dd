// A script timer: it counts its own ticks while the level time runs, and
// when they have run out its event's condition holds, once. The timer
// manager owns the timer half; the condition half belongs to the event
// manager, which runs the event's text and then deletes it.
#pragma once

#include <string>

#include "game/level/condition.h"
#include "game/level/timermanager.h"

namespace Kest {

class TimeElapsedCondition : public TimerCondition {
 public:
  // Holds once its timer has run out.
  class TimeElapsedConditionImpl : public Condition {
   public:
    bool IsSatisfied(Object*) override { return elapsed_; }
    void SetElapsed() { elapsed_ = true; }

   private:
    bool elapsed_ = false;
  };

  // Registers the condition half with the event manager as a once-only
  // event with the text. A timer of 0 ticks runs out at the first tick.
  TimeElapsedCondition(unsigned ticks, const std::string& text);

  // Counts one tick; at the last the condition holds and the timer asks the
  // manager to delete it.
  void Tick(unsigned remainingLevelTicks) override;
  // Counts again from the start; a timer that has run out stays out.
  void Restart();
  unsigned GetRemaining() const { return remaining_; }
  // False once run out, and when the event manager refused the event.
  bool HasEvent() const { return condition_ != nullptr; }

 private:
  unsigned remaining_;
  unsigned initial_;
  TimeElapsedConditionImpl* condition_;  // null once handed its result
};

}  // namespace Kest
