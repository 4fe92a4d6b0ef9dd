// The running program as the main loop and the game keys see it: every
// answer comes from the game's own objects (application, level, bike,
// events, console, objectives, menu).
#pragma once

#include <string>

#include "game/app/allegrokeyboard.h"
#include "game/app/freshkeys.h"
#include "game/app/gamekeys.h"
#include "game/app/mainloop.h"

namespace Kest {

class RunningGame : public LoopGame, public KeyActions {
 public:
  bool IsRunning() override;
  void StartScriptPass() override;
  void RunTimerTicks() override;
  bool IsRestartRequested() override;
  void RestartLevel() override;
  bool IsWaiting() override;
  WaitingKey TakeKey() override;
  void RestartFrameCounter() override;
  void StartPlay() override;
  bool IsFinished() override;
  void FinishLevel() override;
  bool HandleGameKeys() override;
  void PreStep() override;
  void Simulate(float stepLength) override;
  void UpdateEvents() override;
  void StepBike(float elapsedMs) override;
  ol::Vec2 GetBikePosition() override;
  bool IsShaking() override;
  float RandomShake() override;
  void SetCamera(const ol::Vec2& camera) override;
  void UpdateAndDraw(float dt, bool simulate) override;
  void UpdateAndDrawPaintedOver(float dt) override;
  void DrawObjectives() override;
  void DrawConsole() override;
  void Refresh() override;
  void ReportStepFigure(float passes) override;
  void ReportFrameFigure(float passes) override;

  void SetThrottle(int state) override;
  void ToggleConsole() override { consoleShown_ = !consoleShown_; }
  void ReloadLevel() override;
  void ReturnToMenu() override;
  void TurnAround() override;
  int GetDirection() override;
  void LeanBack() override;
  void LeanForward() override;

 private:
  // Loads the level script and fades it in from black.
  void LoadTrack(const std::string& filename);
  // The waiting level and play are screens of their own to the keys: a key
  // held as one of them begins is not pressed there.
  enum class KeyScreen { kWaiting, kPlay };
  FreshKeys& KeysFor(KeyScreen screen);

  bool running_ = true;
  bool consoleShown_ = false;
  AllegroKeyboard keyboard_;
  FreshKeys keys_{keyboard_};
  KeyScreen keyScreen_ = KeyScreen::kWaiting;
};

}  // namespace Kest
