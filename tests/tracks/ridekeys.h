// A recorded ride: the player's keys as runs of physics steps, kept as text
// one run a line (see README.md): "120 U>" holds the throttle for 120 steps
// and presses the right arrow at the first of them. After the last run no
// key is held.
#pragma once

#include <string>
#include <vector>

#include "game/app/gamekeys.h"

namespace TrackTest {

struct KeyRun {
  int steps = 0;
  bool throttle = false;
  bool brake = false;
  int press = 0;  // an Allegro scan code, 0 for none
};

struct RideKeys {
  std::vector<KeyRun> runs;
  std::string error;  // empty when the text parsed; else the first fault and its line
};

RideKeys LoadRideKeys(const std::string& path);

// The keyboard as a ride plays it: what is held and pressed follows the
// number of physics steps the game has taken so far.
class RideKeyboard : public Kest::Keyboard {
 public:
  explicit RideKeyboard(const RideKeys& keys) : keys_(keys) {}

  // The game has taken this many steps; a run that begins at it queues its
  // press once.
  void AtStep(int step);

  bool IsHeld(int scancode) override;
  bool KeyPressed() override { return pending_ != 0; }
  int ReadKey() override;

 private:
  const KeyRun* Current() const { return run_ < keys_.runs.size() ? &keys_.runs[run_] : nullptr; }

  const RideKeys& keys_;
  std::size_t run_ = 0;
  int runStart_ = 0;
  int step_ = -1;
  int pending_ = 0;
};

}  // namespace TrackTest
