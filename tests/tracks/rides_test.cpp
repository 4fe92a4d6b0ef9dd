// Every track of the shipped track list loads without a fault and is
// finished, within its level time, by the ride recorded for it in rides/
// (named after the track's script). The game's own loop plays it on a clock
// the test moves, so each ride replays exactly.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/tracecapture.h"
#include "tests/tracks/shippedtracks.h"
#include "tests/tracks/trackride.h"

namespace Kest {
// Failures name the track, not its bytes.
void PrintTo(const TrackRecord& track, std::ostream* out) { *out << track.fileName; }
}  // namespace Kest

namespace TrackTest {
namespace {

class ShippedTrack : public ::testing::TestWithParam<Kest::TrackRecord> {
 protected:
  static void SetUpTestSuite() { RideStage(); }
  TestSupport::TraceCapture trace;
};

TEST_P(ShippedTrack, LoadsWithNothingInTheTraceLogButTheLoad) {
  RideWatch firstStep;
  firstStep.step = [](int, const Tessora::Vec2&) { return true; };
  RideTrack(GetParam().fileName, RideKeys(), firstStep);
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Loading the level " + GetParam().fileName});
}

TEST_P(ShippedTrack, IsFinishedWithinItsLevelTimeByItsRecordedRide) {
  const RideKeys keys = LoadRideKeys(RideFileOf(GetParam().fileName));
  ASSERT_EQ(keys.error, "");
  const RideResult ride = RideTrack(GetParam().fileName, keys);
  EXPECT_EQ(ride.end, RideEnd::kFinished) << RideEndName(ride.end) << " at " << ride.bike.x << ", "
                                          << ride.bike.y << " after " << ride.steps << " steps";
  EXPECT_LT(ride.playMs, ride.levelTimeMs);
  // The time part of the score is the time left, counted on the ride's
  // clock in ticks of 10 ms: within a tick of the ride's own reckoning.
  EXPECT_NEAR(ride.score.time, (ride.levelTimeMs - ride.playMs) / 10.0, 1.0);
  RecordProperty("seconds", std::to_string(ride.playMs / 1000.0));
  RecordProperty("score", std::to_string(ride.score.time + ride.score.flips + ride.score.wheelies));
}

std::string TestNameOf(const ::testing::TestParamInfo<Kest::TrackRecord>& info) {
  std::string name;
  for (char c : info.param.displayName) if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name;
}

INSTANTIATE_TEST_SUITE_P(TrackList, ShippedTrack, ::testing::ValuesIn(ShippedTracks()), TestNameOf);

}  // namespace
}  // namespace TrackTest
