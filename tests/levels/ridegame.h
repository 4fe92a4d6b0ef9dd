// The game as the player runs it, without the player's hands or the wall
// clock: the real main loop, application, level, bike and events, on a
// clock that moves only while the loop waits (so every physics step comes
// 2 ms after the last, the game's designed speed), with level-time ticks
// every 10 ms of it, and keys held for the whole ride. A ride replays
// exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/app/gamekeys.h"
#include "game/app/runninggame.h"

namespace LevelsTest {

class RideGame : public Kest::RunningGame, private Kest::Keyboard {
 public:
  // The keys (Allegro scan codes) go down so long after play starts and,
  // as a keyboard repeats held keys, arrive again as presses every so often.
  struct Hands {
    std::uint32_t delayMs;
    std::uint32_t repeatMs;
  };

  // Loads the level script, relative to the working folder.
  RideGame(const std::string& level, std::vector<int> keys, Hands hands);
  // Until the level is finished or so much play time has passed.
  void Ride(std::uint32_t mostMs);

  int finishes = 0;
  int restarts = 0;
  unsigned remainingAtFinish = 0;  // level ticks
  float furthestX = 0.0f;

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
  bool KeyPressed() override { return !presses_.empty(); }
  int ReadKey() override;

  std::vector<int> keys_;
  Hands hands_;
  std::vector<int> presses_;
  std::uint32_t mostMs_ = 0;
  std::uint32_t now_ = 0;
  std::uint32_t playStart_ = 0;
  std::uint32_t playedMs_ = 0;
  std::uint32_t nextRepeat_;
  bool playing_ = false;
};

}  // namespace LevelsTest
