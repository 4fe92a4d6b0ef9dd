#include "game/level/levelscore.h"

#include <gtest/gtest.h>

namespace {

TEST(LevelScore, TimeLeftFlipsAndWheeliesEachScoreTheirPart) {
  const Kest::LevelScore score = Kest::ScoreFinishedLevel(12345, 3, 420.0f);
  EXPECT_EQ(score.time, 12345u);
  EXPECT_EQ(score.flips, 600u);
  EXPECT_EQ(score.wheelies, 200u);
}

TEST(LevelScore, WheelieTimeRoundsHalfUpToWholeTenthsOfASecond) {
  EXPECT_EQ(Kest::ScoreFinishedLevel(0, 0, 149.0f).wheelies, 50u);
  EXPECT_EQ(Kest::ScoreFinishedLevel(0, 0, 150.0f).wheelies, 100u);
  EXPECT_EQ(Kest::ScoreFinishedLevel(0, 0, 49.0f).wheelies, 0u);
}

}  // namespace
