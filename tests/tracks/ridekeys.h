// A recorded ride: the player's keys as runs of physics steps. Kept as text,
// one run a line:
//
//   <steps> <keys>     # comment
//
// where keys are the held arrows, U (throttle) or D (brake), or - for none,
// followed by at most one key pressed as the run begins: < (left arrow),
// > (right arrow) or T (space, turn around). "120 U>" holds the throttle for
// 120 steps and presses the right arrow at the first of them. After the
// last run no key is held.
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
  // Empty when the text parsed; else the first fault, with its line number.
  std::string error;

  int TotalSteps() const;
};

RideKeys ParseRideKeys(const std::string& text);
RideKeys LoadRideKeys(const std::string& path);
// Writes the runs in the text form above.
std::string RideKeysText(const RideKeys& keys);
bool SaveRideKeys(const RideKeys& keys, const std::string& path);

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
  const KeyRun* Current() const;

  const RideKeys& keys_;
  std::size_t run_ = 0;
  int runStart_ = 0;
  int step_ = -1;
  int pending_ = 0;
};

}  // namespace TrackTest
