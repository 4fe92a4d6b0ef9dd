#include "game/level/levelscore.h"

#include <gtest/gtest.h>

namespace {

// The wheelie time rounds half up to whole tenths of a second.
TEST(LevelScore, TimeLeftFlipsAndWheeliesEachScoreTheirPart) {
  const Kest::LevelScore score = Kest::ScoreFinishedLevel(12345, 3, 420.0f);
  EXPECT_EQ(score.time, 12345u);
  EXPECT_EQ(score.flips, 600u);
  EXPECT_EQ(score.wheelies, 200u);
  for (const auto& c : {std::make_pair(149.0f, 50u), std::make_pair(150.0f, 100u), std::make_pair(49.0f, 0u)})
    EXPECT_EQ(Kest::ScoreFinishedLevel(0, 0, c.first).wheelies, c.second) << c.first;
}

}  // namespace
