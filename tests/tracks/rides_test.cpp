// Every track of the shipped track list loads without a fault and is
// finished, within its level time, by the ride recorded for it in rides/
// (named after the track's script).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/tracecapture.h"
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
};

TEST_P(ShippedTrack, LoadsWithNothingLoggedAndIsFinishedInTimeByItsRecordedRide) {
  const std::string& script = GetParam().fileName;
  const std::size_t name = script.find_last_of("\\/") + 1;
  const RideKeys keys = LoadRideKeys(std::string(VANTRAIL_SOURCE_DIR) + "/tests/tracks/rides/" +
                                     script.substr(name, script.rfind('.') - name) + ".keys");
  ASSERT_EQ(keys.error, "");
  TestSupport::TraceCapture trace;
  std::vector<std::string> loadLog;
  RideWatch watch;
  watch.step = [&](int step, const Tessora::Vec2&) {
    if (step == 1) loadLog = trace.Lines();
    return false;
  };
  const RideResult ride = RideTrack(script, keys, watch);
  EXPECT_EQ(loadLog, std::vector<std::string>{"Loading the level " + script});
  EXPECT_EQ(ride.end, RideEnd::kFinished) << RideEndName(ride.end) << " at " << ride.bike.x << ", "
                                          << ride.bike.y << " after " << ride.steps << " steps";
  EXPECT_LT(ride.playMs, ride.levelTimeMs);
  // The time part of the score is the time left in ticks of 10 ms: within a
  // tick of the ride's own clock.
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
