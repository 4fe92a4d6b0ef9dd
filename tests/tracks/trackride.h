// A track played headless through the game's own main loop: the level
// loads as the game loads it, the loop runs on a clock that only the ride
// moves (one millisecond per pass, so a physics step every 2 ms and a frame
// every 17 ms, the game's designed pace), and the keys come from a
// recorded ride. The solver starts each world from the same seed and the
// camera shake from the same random seed, so a ride replays exactly.
//
// Needs the game's window (an X server) and the game's data beside the
// program: the build links res/ and levels/ of the stage into this folder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/level/levelscore.h"
#include "tests/tracks/ridekeys.h"
#include "tessora/vec2.h"

namespace TrackTest {

enum class RideEnd {
  kFinished,   // every level condition held
  kRestarted,  // the rider's head hit something, or the script restarted
  kOutOfKeys,  // the keys ran out, and a second more, with the level unfinished
};

struct RideResult {
  RideEnd end = RideEnd::kOutOfKeys;
  int steps = 0;              // physics steps taken
  std::uint32_t playMs = 0;   // clock time from the start of play to the end
  unsigned levelTimeMs = 0;   // the time the script gave the level
  Tessora::Vec2 bike;         // where the bike ended
  Kest::LevelScore score;     // as the game scores the finished level
};

enum class RidePart {
  kStep,   // the bike's pre-step to its step: collisions, world, events, bike
  kFrame,  // the first drawing of a frame to its flip
};

// What the ride shows along the way. After each physics step: the step
// count and the bike's place; a true answer ends the ride there. Before each
// frame is shown: the step count, with the frame in the back buffer. As
// each step and frame begins and ends: which it is, for timing them.
struct RideWatch {
  std::function<bool(int step, const Tessora::Vec2& bike)> step;
  std::function<void(int step)> frame;
  std::function<void(RidePart part, bool begins)> span;
};

// Loads the track and rides it with the keys. The application and a level
// must exist; see RideStage.
RideResult RideTrack(const std::string& track, const RideKeys& keys,
                     const RideWatch& watch = RideWatch());

const char* RideEndName(RideEnd end);

// The game's process-wide objects for riding: the window, the level, the
// console. Made once per program, in the program's own folder, where the
// game finds its data (the working folder changes to it).
void RideStage();

}  // namespace TrackTest
