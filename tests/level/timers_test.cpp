// The level time and the timers over ticks the test fires by hand, run as
// the main loop runs them.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "game/bike/bike.h"
#include "game/level/levelscore.h"
#include "game/level/timeelapsed.h"
#include "script/eventfunctions.h"
#include "tests/level/levelfixtures.h"
#include "tests/support/scene.h"

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

// Without a time-up event, running out of time asks the bike for a restart.
class TimeUpWithoutAnEvent : public TestSupport::Scene {
 protected:
  LevelManagers level;
};

TEST_F(TimeUpWithoutAnEvent, RestartsTheLevel) {
  Kest::Bike* bike = Kest::Bike::Create(space);
  level.Timers().SetLevelTime(100);
  level.Timers().Start();
  level.Play(99);
  EXPECT_FALSE(bike->IsRestartRequested());
  level.Play(1);
  EXPECT_TRUE(bike->IsRestartRequested());
  Kest::Bike::Destroy();
}

}  // namespace
}  // namespace LevelTest
