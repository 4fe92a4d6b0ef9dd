// The level time's ticks come from a thread of their own, as Allegro's
// timer gives them, while the main loop runs: every tick is run once, on
// the main thread, and the timers and the time-up fire exactly once. Run
// under ThreadSanitizer, this is where a race between the two would show.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "game/app/mainloop.h"
#include "game/level/timeelapsed.h"
#include "platform/platform.h"
#include "tests/level/levelfixtures.h"

namespace LevelTest {
namespace {

// A tick every 100 microseconds: a hundred times the game's pace, to give
// the two threads every chance to meet.
class ThreadTicks : public Kest::TickSource {
 public:
  ~ThreadTicks() override { Stop(); }
  void Start(TickFunction tick) override {
    Stop();
    running_ = true;
    thread_ = std::thread([this, tick] {
      while (running_) {
        tick();
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      }
    });
  }
  void Stop() override {
    running_ = false;
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::atomic<bool> running_{false};
  std::thread thread_;
};

// The main loop's view of a level that only has its clock and its events.
class ClockGame : public Kest::LoopGame {
 public:
  explicit ClockGame(LevelManagers& level) : level_(level) {}
  bool IsRunning() override {
    const auto& ran = level_.ran;
    return std::find(ran.begin(), ran.end(), "time up") == ran.end();
  }
  void RunTimerTicks() override { level_.Timers().RunPendingTicks(); }
  void UpdateEvents() override { level_.Events().Update(); }
  bool IsRestartRequested() override { return false; }
  void RestartLevel() override {}
  bool IsWaiting() override { return false; }
  bool TakeKey() override { return false; }
  void RestartFrameCounter() override {}
  void StartPlay() override {}
  bool IsFinished() override { return false; }
  void FinishLevel() override {}
  bool HandleGameKeys() override { return true; }
  void PreStep() override {}
  void Simulate(float) override {}
  void StepBike(float) override {}
  ol::Vec2 GetBikePosition() override { return ol::Vec2(); }
  bool IsShaking() override { return false; }
  float RandomShake() override { return 0.0f; }
  void SetCamera(const ol::Vec2&) override {}
  void UpdateAndDraw(float, bool) override {}
  void DrawObjectives() override {}
  void DrawConsole() override {}
  void Refresh() override {}
  void ReportStepFigure(float) override {}
  void ReportFrameFigure(float) override {}

 private:
  LevelManagers& level_;
};

TEST_F(LevelTest, TicksFromAnotherThreadRunOnTheMainLoopOneByOne) {
  Timers().SetTickSource(std::unique_ptr<Kest::TickSource>(new ThreadTicks));
  Timers().SetLevelTime(2000);
  Timers().Start();
  for (const unsigned ticks : {500u, 1000u, 1999u}) {
    Timers().AddTimer(new Kest::TimeElapsedCondition(ticks, "timer"));
  }
  Events().SetTimeUpEvent("time up");
  ClockGame game(*this);
  Kest::MainLoop loop(game, Platform::Milliseconds, Platform::Milliseconds(), ol::Vec2(),
                      Platform::SleepMilliseconds);
  loop.Run();
  Timers().Stop();
  EXPECT_EQ(ran, (std::vector<std::string>{"timer", "timer", "timer", "time up"}));
  EXPECT_EQ(Kest::TimerManager::GetRemainingTicks(), 0u);
}

}  // namespace
}  // namespace LevelTest
