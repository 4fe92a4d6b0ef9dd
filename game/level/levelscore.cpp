#include "game/level/levelscore.h"

#include "game/utility/utility.h"

namespace Kest {

LevelScore ScoreFinishedLevel(unsigned remainingTicks, unsigned flipCount, float wheelieMs) {
  LevelScore score;
  score.time = remainingTicks;
  score.flips = flipCount * 200;
  score.wheelies = static_cast<unsigned>(Round(wheelieMs * 0.01f)) * 50;
  return score;
}

}  // namespace Kest
