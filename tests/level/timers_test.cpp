// The level time and the timers over ticks the test fires by hand, run as
// the main loop runs them.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "game/bike/bike.h"
#include "game/level/levelscore.h"
#include "game/level/timeelapsed.h"
#include "script/eventfunctions.h"
#include "tests/level/levelfixtures.h"

namespace LevelTest {
namespace {

using Texts = std::vector<std::string>;
using Kest::TimerManager;
namespace ScriptApi = Kest::ScriptApi;

constexpr unsigned kMinute = 60 * 100;

// Play starts with a minute on the clock.
class LevelTime : public LevelTest {
 protected:
  LevelTime() {
    Timers().SetLevelTime(kMinute);
  }
};

TEST_F(LevelTime, AThreeSecondTimerFiresAfterExactly300TicksAndIsGone) {
  Timers().Start();
  ScriptApi::RegisterTimerEvent(3.0, "three");
  ASSERT_EQ(Timers().GetTimerCount(), 2) << "the time-up and the timer";
  Play(299);
  EXPECT_TRUE(ran.empty());
  Play(1);
  EXPECT_EQ(ran, Texts{"three"});
  EXPECT_EQ(Timers().GetTimerCount(), 1);
  Play(1000);
  EXPECT_EQ(ran.size(), 1u);
}

TEST_F(LevelTime, RestartTimerSetsARunningTimerBackAndLeavesAFiredOneAlone) {
  Timers().Start();
  ScriptApi::RegisterTimerEvent("lap", 5.0, "lap");
  Play(200);
  ScriptApi::RestartTimer("lap");
  ScriptApi::RestartTimer("no such timer");
  ASSERT_NE(Timers().FindTimer("lap"), nullptr);
  EXPECT_EQ(Timers().FindTimer("lap")->GetRemaining(), 500u);
  Play(499);
  EXPECT_TRUE(ran.empty());
  Play(1);
  EXPECT_EQ(ran, Texts{"lap"});
  EXPECT_EQ(Timers().FindTimer("lap"), nullptr);
  ScriptApi::RestartTimer("lap");
  Play(600);
  EXPECT_EQ(ran, Texts{"lap"});
}

// A later timer takes the name over; the earlier one keeps counting.
TEST_F(LevelTime, ANameGoesToTheLatestTimer) {
  Timers().Start();
  ScriptApi::RegisterTimerEvent("t", 1.0, "early");
  ScriptApi::RegisterTimerEvent("t", 2.0, "late");
  Play(50);
  ScriptApi::RestartTimer("t");
  Play(100);
  EXPECT_EQ(ran, Texts{"early"});
  Play(99);
  EXPECT_EQ(ran, Texts{"early"});
  Play(1);
  EXPECT_EQ(ran, (Texts{"early", "late"}));
}

// Seconds as the script gives them: truncated, negative as 0, and more
// than the count holds as its most. A 0-second timer fires at the first
// tick of play.
TEST_F(LevelTime, TimerSecondsAreTruncatedAndHeldToWhatTheCountHolds) {
  Timers().Start();
  ScriptApi::RegisterTimerEvent(-5.0, "negative");
  ScriptApi::RegisterTimerEvent(0.0, "zero");
  ScriptApi::RegisterTimerEvent(std::nan(""), "nan");
  ScriptApi::RegisterTimerEvent(2.9, "two");
  Play(1);
  EXPECT_EQ(ran, (Texts{"negative", "zero", "nan"}));
  Play(198);
  EXPECT_EQ(ran.size(), 3u);
  Play(1);
  EXPECT_EQ(ran.back(), "two");
  const struct {
    int seconds;
    unsigned ticks;
  } rows[] = {{-1, 0}, {0, 0}, {3, 300}, {INT_MAX, UINT_MAX / 100 * 100}, {INT_MIN, 0}};
  for (const auto& row : rows) EXPECT_EQ(TimerManager::TicksFromSeconds(row.seconds), row.ticks);
}

// The remaining time counts one down per tick; what is left is the time
// score.
TEST_F(LevelTime, TheRemainingTimeCountsDownAndIsTheTimeScore) {
  Timers().Start();
  EXPECT_EQ(TimerManager::GetRemainingTicks(), kMinute);
  Play(1234);
  EXPECT_EQ(TimerManager::GetRemainingTicks(), kMinute - 1234);
  EXPECT_EQ(Kest::ScoreFinishedLevel(TimerManager::GetRemainingTicks(), 0, 0.0f).time,
            kMinute - 1234);
}

TEST_F(LevelTime, TicksCountOnlyDuringPlay) {
  ticks->Fire(50);
  EXPECT_FALSE(ticks->IsRunning());
  Timers().Start();
  ASSERT_TRUE(ticks->IsRunning());
  Play(10);
  EXPECT_EQ(TimerManager::GetRemainingTicks(), kMinute - 10) << "nothing from before play";
  ScriptApi::RegisterTimerEvent(1.0, "never");
  Timers().Stop();
  EXPECT_FALSE(ticks->IsRunning());
  EXPECT_EQ(Timers().GetTimerCount(), 0);
  Play(500);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(TimerManager::GetRemainingTicks(), kMinute - 10) << "kept until the next play";
}

TEST_F(LevelTime, WithATimeUpEventTheTimeRunsOutOnceAndItsTextRuns) {
  Timers().SetLevelTime(200);
  Timers().Start();
  Events().SetTimeUpEvent("up");
  ScriptApi::RegisterTimerEvent(3.0, "too late");
  Play(199);
  EXPECT_TRUE(ran.empty());
  Play(1);
  EXPECT_EQ(ran, Texts{"up"});
  Play(500);
  EXPECT_EQ(ran, Texts{"up"}) << "no timer counts once the time is out";
  EXPECT_EQ(TimerManager::GetRemainingTicks(), 0u);
}

// With no level time, nothing counts: no time-up and no timer.
TEST_F(LevelTime, ALevelTimeOfZeroStopsNothingAndCountsNothing) {
  Timers().SetLevelTime(0);
  Timers().Start();
  Events().SetTimeUpEvent("up");
  ScriptApi::RegisterTimerEvent(0.0, "zero");
  Play(1000);
  EXPECT_TRUE(ran.empty());
}

// Without a time-up event, running out of time asks for a restart.
TEST_F(BikeLevel, WithoutATimeUpEventRunningOutOfTimeRestartsTheLevel) {
  Timers().SetLevelTime(100);
  Timers().Start();
  Play(99);
  EXPECT_FALSE(bike->IsRestartRequested());
  Play(1);
  EXPECT_TRUE(bike->IsRestartRequested());
}

}  // namespace
}  // namespace LevelTest
