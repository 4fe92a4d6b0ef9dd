// The track list climbs: each track is finished by no more of a newcomer's
// simple rides than the one before it. A simple ride holds Up the whole way
// and taps Right or Left at a steady beat, or nothing; the share of them
// that finish within the level time is the track's ease.
#include <gtest/gtest.h>

#include <allegro.h>

#include <iostream>
#include <string>
#include <vector>

#include "tests/tracks/trackride.h"

namespace TrackTest {
namespace {

struct Tap {
  int press;  // KEY_RIGHT, KEY_LEFT, or 0 for Up held alone
  int beat;   // physics steps of 2 ms between taps
};

constexpr Tap kSimpleRides[] = {
    {0, 0},           {KEY_RIGHT, 250},  {KEY_RIGHT, 350}, {KEY_RIGHT, 500}, {KEY_RIGHT, 700},
    {KEY_RIGHT, 1000}, {KEY_RIGHT, 1500}, {KEY_LEFT, 700},  {KEY_LEFT, 1500},
};

// How many of the simple rides finish the track within its level time.
int SimpleRidesFinished(const std::string& track) {
  int finished = 0;
  for (const Tap& tap : kSimpleRides) {
    const RideResult ride = RideTrack(track, SimpleRide(tap.press, tap.beat));
    finished += ride.end == RideEnd::kFinished && ride.playMs < ride.levelTimeMs;
  }
  return finished;
}

TEST(ShippedTracks, AreFinishedByNoMoreSimpleRidesThanTheTrackBefore) {
  RideStage();
  const std::vector<Kest::TrackRecord> tracks = ShippedTracks();
  int before = static_cast<int>(std::size(kSimpleRides));
  for (const Kest::TrackRecord& track : tracks) {
    const int finished = SimpleRidesFinished(track.fileName);
    std::cout << track.displayName << ": " << finished << " of " << std::size(kSimpleRides) << " simple rides finish\n";
    EXPECT_LE(finished, before) << track.displayName << " is easier than the track before it";
    before = finished;
  }
}

}  // namespace
}  // namespace TrackTest
