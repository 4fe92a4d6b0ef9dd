// The level time and the level's timers, counted in ticks of 10 ms.
//
// When play starts the remaining level time is loaded from the level time
// and a tick source starts counting ticks on its own thread. That thread
// only adds to a count: the main loop runs the pending ticks at the top of
// each pass (RunPendingTicks), one by one, so the countdown, every timer
// and the time-up run on the main thread and no tick is lost or doubled.
// Each tick counts the remaining time down and hands it to every timer;
// one built-in timer reports the end of the level time.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "game/level/ticksource.h"
#include "game/utility/heldtext.h"

namespace Kest {

class TimeElapsedCondition;

// A timer of the level: told of every tick of the level time.
class TimerCondition {
 public:
  TimerCondition() = default;
  virtual ~TimerCondition() = default;
  TimerCondition(const TimerCondition&) = delete;
  TimerCondition& operator=(const TimerCondition&) = delete;

  // The level time counted down to the given ticks.
  virtual void Tick(unsigned remainingTicks) = 0;
};

// Reports the end of the level time: "Time is up!" on the debug console,
// then the event manager's time-up (the time-up event, or a restart of the
// level).
class TimeUpCondition : public TimerCondition {
 public:
  void Tick(unsigned remainingTicks) override;
};

class TimerManager {
 public:
  static constexpr unsigned kTicksPerSecond = 100;

  // Replaces the manager by a new one with no level time, no timers and
  // Allegro's timer as its tick source.
  static void Create();
  static void Destroy();
  static TimerManager* GetInstance();

  // Stops the ticks, then deletes the timers.
  ~TimerManager();
  TimerManager(const TimerManager&) = delete;
  TimerManager& operator=(const TimerManager&) = delete;

  // Ticks of the level time left: during play the countdown; a load leaves
  // it alone, so until the next play starts it keeps what the last play
  // left (0 before the first). What is left when the level finishes is its
  // time score.
  static unsigned GetRemainingTicks();
  // Whole seconds as ticks: a negative number counts as 0, and a time past
  // what the count holds as the most it holds.
  static unsigned TicksFromSeconds(int seconds);

  // The time the next play starts with, in ticks.
  void SetLevelTime(unsigned ticks) { levelTime_ = ticks; }
  unsigned GetLevelTime() const { return levelTime_; }
  // Play begins: the remaining time is the level time, the time-up timer
  // joins the timers, and the tick source starts.
  void Start();
  // The level reloads: the tick source stops, then every timer goes.
  void Stop();
  // Runs, one by one, the ticks counted since the last call (main thread).
  void RunPendingTicks();

  // The manager owns the timer from then on; a name lets RestartTimer find
  // it (a later timer of the same name takes the name over, and the earlier
  // one keeps counting). An empty name is no name. A script timer whose
  // event was refused is deleted.
  void AddTimer(TimerCondition* timer);
  void AddTimer(TimeElapsedCondition* timer, const std::string& name);
  // Null for no name and for a name without a timer (a timer that has run
  // out has gone).
  TimeElapsedCondition* FindTimer(const std::string& name) const;
  // Deletes the timer and drops its name; safe from inside its own Tick,
  // which must not touch the timer after the call. A timer the manager does
  // not hold is left alone.
  void RemoveTimer(TimerCondition* timer);
  void ClearTimers();
  int GetTimerCount() const;

  // Stops the current source first; for tests that drive the ticks.
  void SetTickSource(std::unique_ptr<TickSource> source);

 private:
  TimerManager();
  void OnTick();
  void TickAll(unsigned remainingTicks);

  using Names = HeldTextMap<TimeElapsedCondition*>;
  // Where a timer held is: its node of the list, and its name when it
  // holds one, so that removing it costs no search.
  struct Place {
    std::list<TimerCondition*>::iterator node;
    Names::iterator name;
  };

  unsigned levelTime_ = 0;
  // Ticked in this order. A removed timer's node is nulled and unlinked by
  // the next tick walk, so that a timer may remove itself while ticked.
  std::list<TimerCondition*> timers_;
  std::unordered_map<const TimerCondition*, Place> places_;
  Names names_;
  std::unique_ptr<TickSource> source_;
};

}  // namespace Kest
