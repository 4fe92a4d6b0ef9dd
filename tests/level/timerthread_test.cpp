// The level time's ticks come from a thread of their own, as Allegro's
// timer gives them, while the main thread runs them between its other
// work: every tick runs once, on the main thread, and the timers and the
// time-up fire once each. Under ThreadSanitizer this is where a race
// between the two threads would show.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "game/level/timeelapsed.h"
#include "tests/level/levelfixtures.h"

namespace LevelTest {
namespace {

// A tick every 100 microseconds: a hundred times the game's pace.
class ThreadTicks : public Kest::TickSource {
 public:
  ~ThreadTicks() override { Stop(); }
  void Start(TickFunction tick) override {
    Stop();
    running_ = true;
    thread_ = std::thread([this, tick] {
      for (; running_; std::this_thread::sleep_for(std::chrono::microseconds(100))) tick();
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

TEST_F(LevelTest, TicksFromAnotherThreadRunOnTheMainThreadOneByOne) {
  Timers().SetTickSource(std::unique_ptr<Kest::TickSource>(new ThreadTicks));
  Timers().SetLevelTime(2000);
  Timers().Start();
  for (const unsigned at : {500u, 1000u, 1999u}) {
    Timers().AddTimer(new Kest::TimeElapsedCondition(at, "timer"));
  }
  Events().SetTimeUpEvent("time up");
  while (std::find(ran.begin(), ran.end(), "time up") == ran.end()) {
    Timers().RunPendingTicks();
    Events().Update();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  Timers().Stop();
  EXPECT_EQ(ran, (std::vector<std::string>{"timer", "timer", "timer", "time up"}));
  EXPECT_EQ(Kest::TimerManager::GetRemainingTicks(), 0u);
}

}  // namespace
}  // namespace LevelTest
