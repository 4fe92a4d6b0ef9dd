// The level time: a countdown in ticks of 10 ms, loaded when play starts.
#pragma once

namespace Kest {

class TimerManager {
 public:
  // Replaces the manager by a new one with no level time.
  static void Create();
  static void Destroy();
  static TimerManager* GetInstance();

  // Ticks of the level time left; 0 until a level has been played. What
  // is left when the level finishes is its time score.
  static unsigned GetRemainingTicks();

  // The time the next play starts with, in ticks.
  void SetLevelTime(unsigned ticks) { levelTime_ = ticks; }
  unsigned GetLevelTime() const { return levelTime_; }
  // Play begins: the countdown starts from the level time.
  void Start();
  // The level ends or reloads: the countdown stops.
  void Stop();

 private:
  TimerManager() = default;

  unsigned levelTime_ = 0;
};

}  // namespace Kest
