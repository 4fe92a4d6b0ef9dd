#include "tests/tracks/trackride.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "game/app/app.h"
#include "game/app/mainloop.h"
#include "game/app/runninggame.h"
#include "game/bike/bike.h"
#include "game/level/level.h"
#include "game/level/ticksource.h"
#include "game/level/timermanager.h"
#include "game/screens/debugconsole.h"
#include "platform/platform.h"
#include "render/canvas.h"

namespace TrackTest {

namespace {

// The level time's ticks, every 10 ms of the ride's clock, on the main
// thread instead of the library's timer: the countdown, the timers and the
// time-up replay with the ride.
class RideTicks : public Kest::TickSource {
 public:
  void Start(TickFunction tick) override { tick_ = tick; }
  void Stop() override { tick_ = nullptr; }
  void Tick() const {
    if (tick_) tick_();
  }

 private:
  TickFunction tick_ = nullptr;
};

RideTicks* ticks = nullptr;

// The keys stop; a ride that is still short of the finish after this many
// more steps has fallen short.
constexpr int kStepsAfterKeys = 500;
constexpr unsigned kShakeSeed = 1;
constexpr unsigned kMsPerTick = 10;

// The running game with the keyboard of a recorded ride. Play starts at
// the first waiting pass; a finish or a restart ends the ride instead of
// leading to the next track or a reload.
class RidingGame : public Kest::RunningGame {
 public:
  RidingGame(const RideKeys& keys, const RideWatch& watch) : keyboard_(keys), watch_(watch) {}

  bool TakeKey() override { return true; }
  void RestartFrameCounter() override {}
  void RestartLevel() override { Stop(RideEnd::kRestarted); }
  void FinishLevel() override { Stop(RideEnd::kFinished); }
  bool HandleGameKeys() override {
    keyboard_.AtStep(steps_);
    return Kest::HandleGameKeys(keyboard_, *this);
  }
  void PreStep() override {
    Span(RidePart::kStep, true);
    RunningGame::PreStep();
  }
  void StepBike(float elapsedMs) override {
    RunningGame::StepBike(elapsedMs);
    ++steps_;
    Span(RidePart::kStep, false);
  }
  // Without anyone looking, each frame is drawn clipped to one pixel: the
  // picture plays no part in the ride, and filling the whole screen twice a
  // frame in software would make a ride many times slower.
  void UpdateAndDraw(float dt, bool simulate) override {
    if (!drawing_) Span(RidePart::kFrame, true);
    drawing_ = true;
    if (!watch_.frame) {
      ol::Canvas::DisableClipping();
      ol::Canvas::SetClipping(0, 0, 1, 1);
    }
    RunningGame::UpdateAndDraw(dt, simulate);
  }
  void DrawObjectives() override {}
  void Refresh() override {
    if (watch_.frame) watch_.frame(steps_);
    RunningGame::Refresh();
    drawing_ = false;
    Span(RidePart::kFrame, false);
  }

  bool Over() const { return over_; }
  RideEnd End() const { return end_; }
  int Steps() const { return steps_; }
  void Stop(RideEnd end) {
    if (over_) return;
    end_ = end;
    over_ = true;
  }

 private:
  void Span(RidePart part, bool begins) const {
    if (watch_.span) watch_.span(part, begins);
  }

  RideKeyboard keyboard_;
  const RideWatch& watch_;
  int steps_ = 0;
  bool drawing_ = false;  // between a frame's first drawing and its flip
  bool over_ = false;
  RideEnd end_ = RideEnd::kOutOfKeys;
};

}  // namespace

RideResult RideTrack(const std::string& track, const RideKeys& keys, const RideWatch& watch) {
  std::srand(kShakeSeed);
  Kest::GetApplication()->StartFadeFromBlack();
  Kest::Level::GetInstance()->Load(track, true);
  RideResult result;
  result.levelTimeMs = Kest::TimerManager::GetInstance()->GetLevelTime() * kMsPerTick;

  RidingGame game(keys, watch);
  std::uint32_t now = 0;
  std::uint32_t playStart = 0;
  Kest::MainLoop loop(game, [&now] { return now; }, 0, ol::Vec2(0.5f * Kest::kViewWidth, 0.5f * Kest::kViewHeight));
  // Keys may be added while the ride goes on (a controller's): the end is
  // checked again when it is reached.
  int lastStep = keys.TotalSteps() + kStepsAfterKeys;
  int watched = 0;
  while (!game.Over()) {
    if (now % kMsPerTick == 0) ticks->Tick();
    if (game.Steps() >= lastStep) {
      lastStep = keys.TotalSteps() + kStepsAfterKeys;
      if (game.Steps() >= lastStep) break;
    }
    ++now;
    const bool waiting = Kest::Level::GetInstance()->IsWaiting();
    loop.RunPass();
    if (waiting && !Kest::Level::GetInstance()->IsWaiting()) playStart = now;
    if (watch.step && game.Steps() != watched) {
      watched = game.Steps();
      if (watch.step(watched, Kest::Bike::GetInstance()->GetPosition())) break;
    }
  }
  result.end = game.End();
  result.steps = game.Steps();
  result.playMs = now - playStart;
  const Kest::Bike& bike = *Kest::Bike::GetInstance();
  result.bike = bike.GetPosition();
  result.score = Kest::ScoreFinishedLevel(Kest::TimerManager::GetRemainingTicks(), bike.GetFlips(),
                                          bike.GetWheelieTime());
  return result;
}

const char* RideEndName(RideEnd end) {
  switch (end) {
    case RideEnd::kFinished: return "finished";
    case RideEnd::kRestarted: return "restarted";
    default: return "out of keys";
  }
}

void RideStage() {
  static bool made = false;
  if (made) return;
  made = true;
  if (chdir(Platform::ExecutableDirectory().c_str()) != 0) return;
  new Kest::App(800, 600);
  new Kest::DebugConsole();
  new Kest::Level();
  ticks = new RideTicks();
  Kest::TimerManager::GetInstance()->SetTickSource(std::unique_ptr<Kest::TickSource>(ticks));
}

}  // namespace TrackTest
