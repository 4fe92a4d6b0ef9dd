// Every track of the shipped track list loads without a fault and is
// finished, within its level time, by the ride recorded for it in rides/
// (named after the track's script). The game's own loop plays it on a clock
// the test moves, so each ride replays exactly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/tracecapture.h"
#include "tests/tracks/shippedtracks.h"
#include "tests/tracks/trackride.h"

namespace TrackTest {
namespace {

// Listed tracks that are still being built and cannot be finished yet:
// their rides are recorded once they can.
const char* const kTracksInTheMaking[] = {"levels\\first.lua", "levels\\second.lua"};

// "levels\first.lua" rides by "rides/first.keys".
std::string RideFileOf(const std::string& script) {
  const std::size_t name = script.find_last_of("\\/") + 1;
  const std::size_t dot = script.rfind('.');
  return std::string(VANTRAIL_SOURCE_DIR) + "/tests/tracks/rides/" +
         script.substr(name, dot - name) + ".keys";
}

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
  for (const char* track : kTracksInTheMaking)
    if (GetParam().fileName == track) GTEST_SKIP() << track << " is still being built";
  const RideKeys keys = LoadRideKeys(RideFileOf(GetParam().fileName));
  ASSERT_EQ(keys.error, "");
  const RideResult ride = RideTrack(GetParam().fileName, keys);
  EXPECT_EQ(ride.end, RideEnd::kFinished) << RideEndName(ride.end) << " at " << ride.bike.x << ", "
                                          << ride.bike.y << " after " << ride.steps << " steps";
  EXPECT_LT(ride.playMs, ride.levelTimeMs);
}

std::string TestNameOf(const ::testing::TestParamInfo<Kest::TrackRecord>& info) {
  std::string name;
  for (char c : info.param.displayName) if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name;
}

INSTANTIATE_TEST_SUITE_P(TrackList, ShippedTrack, ::testing::ValuesIn(ShippedTracks()), TestNameOf);

}  // namespace
}  // namespace TrackTest
