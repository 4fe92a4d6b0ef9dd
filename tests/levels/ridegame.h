// The game as the player runs it, without the player's hands or the wall
// clock: the real main loop, application, level, bike and events, a clock
// that moves only while the loop waits (so every physics step comes 2 ms
// after the last, as at the game's designed speed), level-time ticks every
// 10 ms of that clock, and keys held for the whole ride. A ride thus
// replays exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/app/gamekeys.h"
#include "game/app/runninggame.h"

namespace LevelsTest {

class RideGame : public Kest::RunningGame, private Kest::Keyboard {
 public:
  // How the player's hands hold the keys: pressed so long after play
  // starts, and, as a keyboard repeats a held key, each arriving again as a
  // key press every so often.
  struct Hands {
    std::uint32_t delayMs;
    std::uint32_t repeatMs;
  };

  // Loads the level script (relative to the stage folder, where the test
  // runs); the keys are Allegro scan codes.
  RideGame(const std::string& level, std::vector<int> heldKeys, Hands hands);
  // Plays until the level is finished or so much play time has passed.
  void Ride(std::uint32_t mostMs);

  int finishes = 0;
  int restarts = 0;
  std::uint32_t playedMs = 0;      // since the first key
  unsigned remainingAtFinish = 0;  // level ticks
  float furthestX = 0.0f;          // of the bike, for the failure messages

  bool IsRunning() override;
  bool TakeKey() override { return true; }
  void RestartFrameCounter() override {}
  void RestartLevel() override;
  void FinishLevel() override;
  bool HandleGameKeys() override;
  float RandomShake() override { return 0.0f; }
  void DrawObjectives() override {}
  void Refresh() override {}
  void ReportStepFigure(float) override {}
  void ReportFrameFigure(float) override {}

 private:
  bool IsHeld(int scancode) override;
  bool KeyPressed() override;
  int ReadKey() override;
  void Sleep(std::uint32_t ms);

  std::vector<int> keys_;
  Hands hands_;
  bool holding_ = false;
  std::vector<int> presses_;
  std::uint32_t mostMs_ = 0;
  std::uint32_t now_ = 0;
  std::uint32_t playStart_ = 0;
  std::uint32_t nextRepeat_ = 0;
  bool playing_ = false;
};

}  // namespace LevelsTest
