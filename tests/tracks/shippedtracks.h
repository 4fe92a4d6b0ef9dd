// The tracks of the shipped track list, in play order, as the game reads
// them from the build's stage.
#pragma once

#include <string>
#include <vector>

#include "game/data/tracklist.h"

namespace TrackTest {

std::vector<Kest::TrackRecord> ShippedTracks();

// The recorded ride of a track, named after its script:
// "levels\first.lua" rides by tests/tracks/rides/first.keys.
std::string RideFileOf(const std::string& script);

}  // namespace TrackTest
