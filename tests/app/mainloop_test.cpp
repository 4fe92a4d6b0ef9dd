#include "game/app/mainloop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// The game as a journal of what the loop does with it; the test sets the
// answers. A restart, a finish and keys that end the pass happen once; a
// key that comes while waiting starts play.
class JournalGame : public Kest::LoopGame {
 public:
  bool IsRunning() override { return running(); }
  // Not journalled, as the ticks: they run first in every pass, the script
  // pass before any text can run.
  void StartScriptPass() override { ++scriptPasses; }
  // A time-up among the ticks asks for a restart.
  void RunTimerTicks() override {
    ++tickRuns;
    ticksInTheirScriptPass = ticksInTheirScriptPass && scriptPasses == tickRuns;
    restart = restart || timeUpInTicks;
  }
  bool IsRestartRequested() override { return restart; }
  void RestartLevel() override { Write("restart"); restart = false; }
  bool IsWaiting() override { return waiting; }
  WaitingKey TakeKey() override {
    Write("take key");
    if (std::exchange(escape, false)) return WaitingKey::kMenu;
    return std::exchange(key, false) ? WaitingKey::kPlay : WaitingKey::kNone;
  }
  void ReturnToMenu() override { Write("menu"); }
  void RestartFrameCounter() override { Write("frame counter"); }
  void StartPlay() override { Write("start play"); waiting = false; }
  bool IsFinished() override { return finished; }
  void FinishLevel() override { Write("finish"); finished = false; }
  bool HandleGameKeys() override { Write("keys"); return !std::exchange(keysEndPass, false); }
  void PreStep() override { Write("prestep"); }
  void Simulate(float length) override { Write("simulate", length); }
  void UpdateEvents() override { Write("events"); }
  void StepBike(float ms) override { Write("bike", ms); }
  ol::Vec2 GetBikePosition() override { return ol::Vec2(1000, 500); }
  bool IsShaking() override { return shake != 0; }
  float RandomShake() override { return shake; }
  void SetCamera(const ol::Vec2& camera) override { Write("camera", camera.x, camera.y); }
  void UpdateAndDraw(float dt, bool simulate) override { Write("draw", dt, simulate); }
  void DrawObjectives() override { Write("objectives"); }
  void DrawConsole() override { Write("console"); }
  void Refresh() override { Write("refresh"); }
  void ReportStepFigure(float passes) override { Write("step figure", passes); }
  void ReportFrameFigure(float passes) override { Write("frame figure", passes); }

  int Count(const std::string& call) const { return int(std::count(calls.begin(), calls.end(), call)); }

  std::function<bool()> running = [] { return false; };
  bool restart = false, waiting = false, key = false, escape = false, finished = false, keysEndPass = false;
  bool timeUpInTicks = false;
  int tickRuns = 0;
  int scriptPasses = 0;
  bool ticksInTheirScriptPass = true;
  float shake = 0;
  Calls calls;

 private:
  template <class... Values>
  void Write(const char* call, Values... values) {
    std::ostringstream line;
    line << call;
    ((line << ' ' << values), ...);
    calls.push_back(line.str());
  }
};

// The loop over a clock that only the test moves.
class Loop {
 public:
  explicit Loop(std::uint32_t startTime, ol::Vec2 halfScreen = ol::Vec2(400, 300))
      : now_(startTime), loop_(game, [this] { return now_; }, startTime, halfScreen) {}
  // One pass at the clock time; what the loop did in it.
  Calls PassAt(std::uint32_t time) {
    const std::size_t before = game.calls.size();
    now_ = time;
    loop_.RunPass();
    return Calls(game.calls.begin() + before, game.calls.end());
  }
  JournalGame game;

 private:
  std::uint32_t now_;
  Kest::MainLoop loop_;
};

// A frame when more than 16 ms have passed (the recorded rides keep the steps' pace).
TEST(MainLoopPacing, DrawsAfterMoreThanSixteenMilliseconds) {
  Loop loop(1000);
  loop.PassAt(1016);
  EXPECT_EQ(loop.game.Count("refresh"), 0);
  loop.PassAt(1017);
  EXPECT_EQ(loop.game.Count("refresh"), 1);
}

// One step of fixed length however long it has been; elapsed times survive
// the clock wrapping around.
TEST(MainLoopPacing, OneFixedLengthStepPerPassHandedTheTimePassed) {
  Loop late(0);
  late.PassAt(250);
  EXPECT_EQ(late.game.Count("simulate 0.038"), 1);
  EXPECT_EQ(late.game.Count("bike 250"), 1);
  Loop wrapping(0xFFFFFFF0u);
  wrapping.PassAt(4);
  EXPECT_EQ(wrapping.game.Count("bike 20"), 1);
  EXPECT_EQ(wrapping.game.Count("draw 20 1"), 2);
}

// The frame is drawn to move the bike, then again from the camera that
// follows it; a shake moves both axes by one random value; keys that leave
// the pass skip step and frame.
TEST(MainLoopPlay, StepThenFrameDrawnTwiceAroundTheCameraMove) {
  Loop loop(0, ol::Vec2(512, 384));
  EXPECT_EQ(loop.PassAt(20), (Calls{"keys", "prestep", "simulate 0.038", "events", "bike 20", "draw 20 1",
                                    "camera 488 116", "draw 20 1", "console", "refresh"}));
  loop.game.shake = 7;
  loop.PassAt(40);
  EXPECT_EQ(loop.game.Count("camera 495 123"), 1);
  loop.game.keysEndPass = true;
  EXPECT_EQ(loop.PassAt(100), Calls{"keys"});
}

// Each figure counts the passes since the last report, every half second.
TEST(MainLoopPlay, ReportsPassesPerStepAndPerFrameEveryHalfSecond) {
  Loop loop(0);
  for (std::uint32_t t = 2; t <= 500; t += 2) loop.PassAt(t);
  loop.PassAt(502);
  loop.PassAt(504);  // the first frame past 500
  EXPECT_EQ(loop.game.Count("step figure 251"), 1);
  EXPECT_EQ(loop.game.Count("frame figure 252"), 1);
  // 252 passes of keys and a step, 28 frames, five calls each: no other figures.
  EXPECT_EQ(loop.game.calls.size(), (252u + 28u) * 5 + 2);
}

// Restart before waiting, waiting before finishing, finishing before play.
// The ticks run before the branch is chosen, in every branch, after the
// pass's one script pass began: a time-up among them restarts the level in
// the same pass.
TEST(MainLoopBranches, EachPassTakesTheFirstBranchThatApplies) {
  const Calls passes[] = {{"restart"},
                          {"take key", "camera 600 200", "draw 100 0", "objectives", "refresh"},
                          {"finish"}};
  for (int branch = 0; branch < 4; ++branch) {
    Loop loop(0);
    loop.game.restart = branch == 0;
    loop.game.waiting = branch <= 1;
    loop.game.finished = branch <= 2;
    const Calls first = loop.PassAt(100);
    if (branch < 3) {
      EXPECT_EQ(first, passes[branch]);
    }
    loop.PassAt(200);
    EXPECT_EQ(loop.game.tickRuns, 2);
    EXPECT_EQ(loop.game.scriptPasses, 2);
    EXPECT_TRUE(loop.game.ticksInTheirScriptPass);
  }
  Loop loop(0);
  loop.game.timeUpInTicks = true;
  EXPECT_EQ(loop.PassAt(40), Calls{"restart"});
}

// While waiting the level is drawn from a fixed offset without simulating;
// a key restarts the frame counter and starts play after the frame.
TEST(MainLoopWaiting, AKeyStartsPlayAfterTheFrame) {
  Loop loop(0, ol::Vec2(512, 384));
  loop.game.waiting = loop.game.key = true;
  EXPECT_EQ(loop.PassAt(30), (Calls{"take key", "frame counter", "camera 600 200", "draw 30 0", "objectives",
                                    "refresh", "start play"}));
}

// However long the level waited, restarted, finished or reloaded, the
// first step after the break is handed the time since play began.
TEST(MainLoopPlay, TheFirstStepAfterABreakIsShort) {
  const std::function<void(JournalGame&)> breaks[] = {
      [](JournalGame& game) { game.waiting = game.key = true; },
      [](JournalGame& game) { game.restart = true; },
      [](JournalGame& game) { game.finished = true; },
      [](JournalGame& game) { game.keysEndPass = true; },
  };
  for (const auto& setUpBreak : breaks) {
    Loop loop(0);
    setUpBreak(loop.game);
    loop.PassAt(5000);
    loop.PassAt(5002);
    EXPECT_EQ(loop.game.Count("bike 2"), 1);
  }
}

// Esc while the level waits goes to the menu at once: no frame of the old
// level, no play; the track loaded there waits in turn.
TEST(MainLoopWaiting, EscGoesToTheMenuInsteadOfStartingPlay) {
  Loop loop(0);
  loop.game.waiting = loop.game.escape = true;
  EXPECT_EQ(loop.PassAt(30), (Calls{"take key", "menu"}));
  EXPECT_EQ(loop.PassAt(60), (Calls{"take key", "camera 600 200", "draw 60 0", "objectives", "refresh"}));
}

// Over a clock that moves only while the loop sleeps, every pass after the
// first has something to do, and the steps and frames keep their pace.
TEST(MainLoopSleep, SleepsUntilTheNextStepOrFrameIsDue) {
  for (const bool waiting : {false, true}) {
    JournalGame game;
    game.waiting = waiting;
    std::uint32_t now = 0;
    int idlePasses = 0, passes = 0, workBefore = 0;
    game.running = [&] {
      const int work = game.Count("refresh") + game.Count("simulate 0.038");
      if (passes++ > 0 && work == workBefore) ++idlePasses;
      workBefore = work;
      return now < 340 && passes < 10000;
    };
    Kest::MainLoop loop(game, [&] { return now; }, 0, ol::Vec2(400, 300), [&](std::uint32_t ms) { now += ms; });
    loop.Run();
    EXPECT_EQ(game.Count("refresh"), 19) << "waiting " << waiting;  // at 17, 34, ... 323
    EXPECT_EQ(game.Count("simulate 0.038"), waiting ? 0 : 169);             // at 2, 4, ... 338
    EXPECT_EQ(idlePasses, 1) << "waiting " << waiting;                // only the very first
  }
}

}  // namespace
