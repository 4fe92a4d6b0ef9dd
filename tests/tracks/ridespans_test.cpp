// A ride marks where each physics step and each frame begins and ends, for
// the per-track bench that times them: one step span per step taken, frames
// at the loop's pace, and never one span opened inside another of its kind.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/tracks/shippedtracks.h"
#include "tests/tracks/trackride.h"

namespace TrackTest {
namespace {

TEST(RideSpans, PairUpWithEveryStepAndEachFrame) {
  RideStage();
  const std::string track = "levels\\training.lua";
  const RideKeys keys = LoadRideKeys(RideFileOf(track));
  ASSERT_EQ(keys.error, "");
  constexpr int kSteps = 340;  // 680 ms of play: 40 frames at one every 17 ms
  std::map<RidePart, int> begun, ended, open;
  bool nested = false;
  RideWatch watch;
  watch.step = [](int step, const Tessora::Vec2&) { return step == kSteps; };
  watch.span = [&](RidePart part, bool begins) {
    (begins ? begun : ended)[part]++;
    if (begins && open[part] > 0) nested = true;
    open[part] += begins ? 1 : -1;
  };
  const RideResult ride = RideTrack(track, keys, watch);

  EXPECT_EQ(ride.steps, kSteps);
  EXPECT_EQ(begun[RidePart::kStep], kSteps);
  EXPECT_EQ(ended[RidePart::kStep], kSteps);
  // The frames of play, and the one drawn while the level waited.
  EXPECT_NEAR(begun[RidePart::kFrame], kSteps * 2 / 17 + 1, 1);
  EXPECT_EQ(ended[RidePart::kFrame], begun[RidePart::kFrame]);
  EXPECT_FALSE(nested);
}

}  // namespace
}  // namespace TrackTest
