// The main loop: one thread that paces itself on a millisecond clock. Each
// pass first runs the level-time ticks that came in since the last, then
// takes exactly one branch: restart the level, wait for the player's
// key, finish the level, or play (at most one physics step of fixed length
// when more than 1 ms has passed, a frame when more than 16 ms have).
#pragma once

#include <cstdint>
#include <functional>

#include "render/vec2.h"

namespace Kest {

// The game as the main loop sees it.
class LoopGame {
 public:
  virtual ~LoopGame() = default;

  // False once the player has left the game.
  virtual bool IsRunning() = 0;

  // A pass begins: the level's script texts of this pass share one budget.
  virtual void StartScriptPass() {}

  // Runs the level-time ticks counted on the timer thread since the last
  // pass: the countdown, the timers and the time-up.
  virtual void RunTimerTicks() = 0;

  virtual bool IsRestartRequested() = 0;
  // Fades in from black and loads the current level again.
  virtual void RestartLevel() = 0;

  virtual bool IsWaiting() = 0;
  // What the key pressed while the level waits asks for: Esc the menu,
  // any other key play.
  enum class WaitingKey { kNone, kPlay, kMenu };
  // Consumes one key press.
  virtual WaitingKey TakeKey() = 0;
  // Runs the menu, and loads the track chosen there or ends the game.
  virtual void ReturnToMenu() = 0;
  // Starts a fresh frame-rate measurement after a break.
  virtual void RestartFrameCounter() = 0;
  virtual void StartPlay() = 0;

  virtual bool IsFinished() = 0;
  // Scores the finished level, then goes on to the next track or the menu.
  virtual void FinishLevel() = 0;

  // Reads the keyboard; false ends the pass.
  virtual bool HandleGameKeys() = 0;

  virtual void PreStep() = 0;
  virtual void Simulate(float stepLength) = 0;
  virtual void UpdateEvents() = 0;
  virtual void StepBike(float elapsedMs) = 0;

  virtual ol::Vec2 GetBikePosition() = 0;
  virtual bool IsShaking() = 0;
  // One random shake offset in [-10, 10].
  virtual float RandomShake() = 0;
  virtual void SetCamera(const ol::Vec2& camera) = 0;
  virtual void UpdateAndDraw(float dt, bool simulate) = 0;
  // A simulated update and draw that the next one paints over: where that
  // one covers the whole screen, this one's pixels need not be drawn.
  virtual void UpdateAndDrawPaintedOver(float dt) { UpdateAndDraw(dt, true); }
  virtual void DrawObjectives() = 0;
  // Draws the debug console when the player has it shown.
  virtual void DrawConsole() = 0;
  virtual void Refresh() = 0;

  // Main-loop passes per physics step and per frame, for the debug console.
  virtual void ReportStepFigure(float passes) = 0;
  virtual void ReportFrameFigure(float passes) = 0;
};

class MainLoop {
 public:
  using Clock = std::function<std::uint32_t()>;
  using Sleep = std::function<void(std::uint32_t)>;

  // Times count from startTime on the clock (unsigned, so the clock may
  // wrap). The camera keeps the bike halfScreen away from the top-left.
  // Between passes with nothing due the loop hands the time to sleep.
  MainLoop(LoopGame& game, Clock clock, std::uint32_t startTime, const ol::Vec2& halfScreen,
           Sleep sleep = nullptr);

  // Passes until the game stops running, sleeping while nothing is due.
  void Run();
  void RunPass();
  // Milliseconds from now until the branch of the last pass has a step or a
  // frame due; 0 after a restart or a finish.
  std::uint32_t IdleTime() const;

  // Every physics step has this length, however much time has passed.
  static constexpr float kStepLength = 0.038f;

 private:
  void Restart(std::uint32_t now);
  void Wait(std::uint32_t now);
  void Finish(std::uint32_t now);
  void Play(std::uint32_t now);
  void StepPhysics(std::uint32_t now);
  void DrawFrame(std::uint32_t now);
  // True once more than 500 ms have passed since lastReport, which moves on.
  static bool ReportDue(std::uint32_t now, std::uint32_t& lastReport);
  void ResetPassCounters();
  // Time from now until `last` is more than `interval` behind the clock.
  static std::uint32_t TimeUntil(std::uint32_t now, std::uint32_t last, std::uint32_t interval);

  enum class Branch { kRestart, kWait, kFinish, kPlay };

  LoopGame& game_;
  Branch lastBranch_ = Branch::kRestart;
  Clock clock_;
  Sleep sleep_;
  std::uint32_t startTime_;
  ol::Vec2 halfScreen_;
  std::uint32_t lastStep_;
  std::uint32_t lastFrame_;
  std::uint32_t lastStepReport_;
  std::uint32_t lastFrameReport_;
  float stepPasses_ = 0.0f;
  float framePasses_ = 0.0f;
};

}  // namespace Kest
