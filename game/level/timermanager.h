// The level time: a countdown in ticks of 10 ms, loaded when play starts.
#pragma once

namespace Kest {

class TimerManager {
 public:
  // Ticks of the level time left; 0 until a level has been played. What
  // is left when the level finishes is its time score.
  static unsigned GetRemainingTicks();
};

}  // namespace Kest
