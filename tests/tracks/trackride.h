// A track played headless through the game's own main loop: the level loads
// as the game loads it, the loop runs on a clock only the ride moves (one
// millisecond a pass: a physics step every 2 ms, a frame every 17 ms), and the
// keys come from a recorded ride. The solver and the camera shake start from
// the same seeds with every load, so a ride replays exactly.
//
// Needs an X server and the game's data beside the program: the build links
// the stage's res/ and levels/ into this folder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/data/tracklist.h"
#include "game/level/levelscore.h"
#include "tessora/vec2.h"

namespace TrackTest {

// A recorded ride: the player's keys as runs of physics steps, kept as text
// one run a line (see README.md): "120 U>" holds the throttle for 120 steps
// and presses the right arrow at the first of them. After the last run no
// key is held.
struct KeyRun {
  int steps = 0;
  bool throttle = false, brake = false;
  int press = 0;  // an Allegro scan code, 0 for none
};

// A finished ride replays exactly, so its keys keep where it finished: the
// physics step and the score ("finish 4557 12189"), 0 when not recorded.
struct RideKeys {
  std::vector<KeyRun> runs;
  int finishStep = 0;
  unsigned finishScore = 0;
  std::string error;  // empty when the text parsed; else the first fault and its line
};

RideKeys LoadRideKeys(const std::string& path);
// The line that keeps a finished ride's figures, as LoadRideKeys reads it:
// the word, the step, the score.
constexpr char kFinishWord[] = "finish";
std::string FinishLine(int step, unsigned score);

// A ride as someone new to the game rides: Up held for three minutes (longer
// than any level's time) and, with a press, that key (KEY_RIGHT, KEY_LEFT)
// tapped every `beat` steps from the first.
RideKeys SimpleRide(int press, int beat);

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

// After each physics step: the step count and the bike's place; true ends the
// ride there. Before each frame is shown: the step count, the frame in the
// back buffer; with a frame watcher, one frame in every `framesApart` is
// drawn whole and shown to it (the first among them), the others are drawn
// clipped to a pixel. As each step and frame begins and ends (for the bench
// that times them): which it is.
struct RideWatch {
  std::function<bool(int step, const Tessora::Vec2& bike)> step;
  std::function<void(int step)> frame;
  std::function<void(RidePart part, bool begins)> span;
  int framesApart = 1;
};

// Loads the track and rides it with the keys, after RideStage.
RideResult RideTrack(const std::string& track, const RideKeys& keys,
                     const RideWatch& watch = RideWatch());

const char* RideEndName(RideEnd end);
// The score's parts added up, as the result screen shows it.
unsigned TotalScore(const RideResult& ride);

// The game's window, level and console, made once per program; the working
// folder becomes the program's, where the game finds its data.
void RideStage();

// The tracks of the shipped track list, in play order.
std::vector<Kest::TrackRecord> ShippedTracks();

// The recorded ride of a track, named after its script:
// "levels\first.lua" rides by tests/tracks/rides/first.keys.
std::string RideFileOf(const std::string& script);

}  // namespace TrackTest
