// The score of a finished level, in the three parts the result screen shows.
#pragma once

namespace Kest {

struct LevelScore {
  unsigned time = 0;      // level time left, in hundredths of a second
  unsigned flips = 0;     // 200 a flip
  unsigned wheelies = 0;  // 50 for every 100 ms of wheelie, rounded half up
};

LevelScore ScoreFinishedLevel(unsigned remainingTicks, unsigned flipCount, float wheelieMs);

}  // namespace Kest
