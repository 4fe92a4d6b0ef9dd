// The tracks of the shipped track list, in play order, as the game reads
// them from the build's stage.
#pragma once

#include <vector>

#include "game/data/tracklist.h"

namespace TrackTest {

std::vector<Kest::TrackRecord> ShippedTracks();

}  // namespace TrackTest
