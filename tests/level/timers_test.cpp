// The level time and the timers over ticks the test fires by hand, or a
// thread fires, run as the main loop runs them; the score of a finished level.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "game/level/levelscore.h"
#include "game/level/timeelapsed.h"
#include "script/eventfunctions.h"
#include "tests/level/levelfixtures.h"

namespace LevelTest {
namespace {

using Texts = std::vector<std::string>;
using Kest::TimerManager;
using Kest::ScriptApi::RegisterTimerEvent;
using Kest::ScriptApi::RestartTimer;

constexpr unsigned kMinute = 60 * 100;

// Play starts with a minute on the clock.
class LevelTime : public LevelTest {
 protected:
  void StartPlay(unsigned levelTime = kMinute) {
    Timers().SetLevelTime(levelTime);
    Timers().Start();
  }
};

TEST_F(LevelTime, AThreeSecondTimerFiresAfterExactly300TicksAndIsGone) {
  StartPlay();
  RegisterTimerEvent(3.0, "three");
  ASSERT_EQ(Timers().GetTimerCount(), 2) << "the time-up and the timer";
  Play(299);
  EXPECT_TRUE(ran.empty());
  Play(1);
  EXPECT_EQ(ran, Texts{"three"});
  EXPECT_EQ(Timers().GetTimerCount(), 1);
  Play(1000);
  EXPECT_EQ(ran.size(), 1u);
}

// A running timer counts again from its full time; a fired one has left
// its name behind. A later timer of a name takes the name over, and the
// earlier one keeps counting.
TEST_F(LevelTime, RestartTimerSetsARunningTimerBackAndLeavesAFiredOneAlone) {
  StartPlay();
  RegisterTimerEvent("lap", 5.0, "early");
  RegisterTimerEvent("lap", 5.0, "lap");
  Play(200);
  RestartTimer("lap");
  RestartTimer("no such timer");
  ASSERT_NE(Timers().FindTimer("lap"), nullptr);
  EXPECT_EQ(Timers().FindTimer("lap")->GetRemaining(), 500u);
  Play(300);
  EXPECT_EQ(ran, Texts{"early"});
  EXPECT_NE(Timers().FindTimer("lap"), nullptr) << "the name went with the later timer";
  Play(200);
  EXPECT_EQ(ran, (Texts{"early", "lap"}));
  EXPECT_EQ(Timers().FindTimer("lap"), nullptr);
  RestartTimer("lap");
  Play(600);
  EXPECT_EQ(ran.size(), 2u);
}

// Seconds as the script gives them: truncated, negative as 0, and more
// than the count holds as its most. A 0-second timer fires at the first
// tick of play.
TEST_F(LevelTime, TimerSecondsAreTruncatedAndHeldToWhatTheCountHolds) {
  StartPlay();
  for (const double seconds : {-5.0, 0.0, std::nan("")}) RegisterTimerEvent(seconds, "now");
  RegisterTimerEvent(2.9, "two");
  Play(1);
  EXPECT_EQ(ran, (Texts{"now", "now", "now"}));
  Play(198);
  Play(1);
  EXPECT_EQ(ran.back(), "two");
  EXPECT_EQ(TimerManager::TicksFromSeconds(INT_MAX), UINT_MAX / 100 * 100);
  EXPECT_EQ(TimerManager::TicksFromSeconds(INT_MIN), 0u);
}

// Ticks count only in play, one down per tick; what is left is the time
// score, and it stays until the next play.
TEST_F(LevelTime, TheRemainingTimeCountsDownInPlayAndIsTheTimeScore) {
  ticks->Fire(50);
  StartPlay();
  Play(1234);
  EXPECT_EQ(Kest::ScoreFinishedLevel(TimerManager::GetRemainingTicks(), 0, 0).time, kMinute - 1234);
  RegisterTimerEvent(1.0, "never");
  Timers().Stop();
  EXPECT_FALSE(ticks->IsRunning());
  EXPECT_EQ(Timers().GetTimerCount(), 0);
  Play(500);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(TimerManager::GetRemainingTicks(), kMinute - 1234);
}

// Ticks counted but not yet run when play starts again belong to no one.
TEST_F(LevelTime, PlayStartsWithTheWholeLevelTime) {
  StartPlay();
  ticks->Fire(50);
  StartPlay();
  Play(0);
  EXPECT_EQ(TimerManager::GetRemainingTicks(), kMinute);
}

TEST_F(LevelTime, WithATimeUpEventTheTimeRunsOutOnceAndItsTextRuns) {
  StartPlay(200);
  Events().SetTimeUpEvent("up");
  RegisterTimerEvent(3.0, "too late");
  Play(199);
  EXPECT_TRUE(ran.empty());
  Play(1);
  Play(500);
  EXPECT_EQ(ran, Texts{"up"}) << "nothing counts once the time is out";
}

// With no level time, nothing counts: no time-up and no timer.
TEST_F(LevelTime, ALevelTimeOfZeroCountsNothing) {
  StartPlay(0);
  Events().SetTimeUpEvent("up");
  RegisterTimerEvent(0.0, "zero");
  Play(1000);
  EXPECT_TRUE(ran.empty());
}

// The ticks from a thread of their own, as Allegro's timer gives them, while
// the main thread runs them between its other work: every tick runs once, on
// the main thread. Under ThreadSanitizer a race between the two shows here.
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

TEST_F(LevelTime, TicksFromAnotherThreadRunOnTheMainThreadOneByOne) {
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

// The wheelie time rounds half up to whole tenths of a second.
TEST(LevelScore, TimeLeftFlipsAndWheeliesEachScoreTheirPart) {
  const Kest::LevelScore score = Kest::ScoreFinishedLevel(12345, 3, 420.0f);
  EXPECT_EQ(score.time, 12345u);
  EXPECT_EQ(score.flips, 600u);
  EXPECT_EQ(score.wheelies, 200u);
  for (const auto& c : {std::make_pair(149.0f, 50u), std::make_pair(150.0f, 100u), std::make_pair(49.0f, 0u)})
    EXPECT_EQ(Kest::ScoreFinishedLevel(0, 0, c.first).wheelies, c.second) << c.first;
}

}  // namespace
}  // namespace LevelTest
