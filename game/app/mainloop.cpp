#include "game/app/mainloop.h"

#include <algorithm>
#include <utility>

namespace Kest {

namespace {

constexpr std::uint32_t kStepInterval = 1;
constexpr std::uint32_t kFrameInterval = 16;
constexpr std::uint32_t kReportInterval = 500;
// While the objectives are shown the camera looks at the bike from a fixed
// offset, whatever the screen size.
const ol::Vec2 kWaitingCameraOffset(400.0f, 300.0f);

}  // namespace

MainLoop::MainLoop(LoopGame& game, Clock clock, std::uint32_t startTime,
                   const ol::Vec2& halfScreen, Sleep sleep)
    : game_(game),
      clock_(std::move(clock)),
      sleep_(std::move(sleep)),
      startTime_(startTime),
      halfScreen_(halfScreen) {
  const std::uint32_t now = clock_() - startTime_;
  lastStep_ = lastFrame_ = lastStepReport_ = lastFrameReport_ = now;
}

void MainLoop::Run() {
  while (game_.IsRunning()) {
    RunPass();
    const std::uint32_t idle = IdleTime();
    if (idle > 0 && sleep_) sleep_(idle);
  }
}

void MainLoop::RunPass() {
  const std::uint32_t now = clock_() - startTime_;
  stepPasses_ += 1.0f;
  framePasses_ += 1.0f;
  game_.StartScriptPass();
  // A time-up among the ticks decides this pass's branch.
  game_.RunTimerTicks();
  if (game_.IsRestartRequested()) {
    lastBranch_ = Branch::kRestart;
    Restart(now);
  } else if (game_.IsWaiting()) {
    lastBranch_ = Branch::kWait;
    Wait(now);
  } else if (game_.IsFinished()) {
    lastBranch_ = Branch::kFinish;
    Finish(now);
  } else {
    lastBranch_ = Branch::kPlay;
    Play(now);
  }
}

// Only the paced branches have anything to wait for; the waiting branch is
// polled for its key no more often than it draws.
std::uint32_t MainLoop::IdleTime() const {
  const std::uint32_t now = clock_() - startTime_;
  const std::uint32_t frame = TimeUntil(now, lastFrame_, kFrameInterval);
  switch (lastBranch_) {
    case Branch::kWait:
      return frame;
    case Branch::kPlay:
      return std::min(frame, TimeUntil(now, lastStep_, kStepInterval));
    default:
      return 0;
  }
}

std::uint32_t MainLoop::TimeUntil(std::uint32_t now, std::uint32_t last, std::uint32_t interval) {
  const std::uint32_t passed = now - last;
  return passed > interval ? 0 : interval + 1 - passed;
}

// After a load the physics clock starts afresh: the first step of the new
// attempt must not be handed the time the load and the waiting took.
void MainLoop::Restart(std::uint32_t now) {
  game_.RestartLevel();
  lastStep_ = now;
}

// Esc leaves the waiting level for the menu: a level that restarts itself
// at once cannot hold the player.
void MainLoop::Wait(std::uint32_t now) {
  const LoopGame::WaitingKey key = game_.TakeKey();
  if (key == LoopGame::WaitingKey::kMenu) {
    game_.ReturnToMenu();
    lastStep_ = now;
    return;
  }
  const bool keyCame = key == LoopGame::WaitingKey::kPlay;
  if (keyCame) {
    game_.RestartFrameCounter();
    ResetPassCounters();
  }
  if (now - lastFrame_ > kFrameInterval) {
    game_.SetCamera(game_.GetBikePosition() - kWaitingCameraOffset);
    game_.UpdateAndDraw(static_cast<float>(now - lastFrame_), false);
    game_.DrawObjectives();
    game_.Refresh();
    lastFrame_ = now;
  }
  if (keyCame) {
    game_.StartPlay();
    lastStep_ = now;
  }
}

void MainLoop::Finish(std::uint32_t now) {
  game_.FinishLevel();
  lastStep_ = now;
}

void MainLoop::Play(std::uint32_t now) {
  // A false answer means the keys reloaded the level or left it.
  if (!game_.HandleGameKeys()) {
    lastStep_ = now;
    return;
  }
  if (now - lastStep_ > kStepInterval) StepPhysics(now);
  if (now - lastFrame_ > kFrameInterval) DrawFrame(now);
}

// One step of fixed length, however long it has been: the simulation runs
// at its designed speed only while the loop keeps up.
void MainLoop::StepPhysics(std::uint32_t now) {
  if (ReportDue(now, lastStepReport_)) {
    game_.ReportStepFigure(stepPasses_);
    stepPasses_ = 0.0f;
  }
  game_.PreStep();
  game_.Simulate(kStepLength);
  game_.UpdateEvents();
  game_.StepBike(static_cast<float>(now - lastStep_));
  lastStep_ = now;
}

// The frame is updated and drawn once to move the bike, then again from the
// camera that follows it; the second drawing is what the player sees and
// what the next physics step collides.
void MainLoop::DrawFrame(std::uint32_t now) {
  const float dt = static_cast<float>(now - lastFrame_);
  game_.UpdateAndDrawPaintedOver(dt);
  if (ReportDue(now, lastFrameReport_)) {
    game_.ReportFrameFigure(framePasses_);
    framePasses_ = 0.0f;
  }
  ol::Vec2 focus = game_.GetBikePosition();
  if (game_.IsShaking()) {
    const float shake = game_.RandomShake();
    focus += ol::Vec2(shake, shake);
  }
  game_.SetCamera(focus - halfScreen_);
  game_.UpdateAndDraw(dt, true);
  game_.DrawConsole();
  game_.Refresh();
  lastFrame_ = now;
}

bool MainLoop::ReportDue(std::uint32_t now, std::uint32_t& lastReport) {
  if (now - lastReport <= kReportInterval) return false;
  lastReport = now;
  return true;
}

void MainLoop::ResetPassCounters() {
  stepPasses_ = 0.0f;
  framePasses_ = 0.0f;
}

}  // namespace Kest
