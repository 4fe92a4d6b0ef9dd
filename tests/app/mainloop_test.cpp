#include "game/app/mainloop.h"

#include <gmock/gmock.h>

#include <functional>

namespace {

using ::testing::_;
using ::testing::FloatEq;
using ::testing::InSequence;
using ::testing::Mock;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::StrictMock;

class MockGame : public Kest::LoopGame {
 public:
  MOCK_METHOD(bool, IsRunning, (), (override));
  MOCK_METHOD(bool, IsRestartRequested, (), (override));
  MOCK_METHOD(void, RestartLevel, (), (override));
  MOCK_METHOD(bool, IsWaiting, (), (override));
  MOCK_METHOD(bool, TakeKey, (), (override));
  MOCK_METHOD(void, RestartFrameCounter, (), (override));
  MOCK_METHOD(void, StartPlay, (), (override));
  MOCK_METHOD(bool, IsFinished, (), (override));
  MOCK_METHOD(void, FinishLevel, (), (override));
  MOCK_METHOD(bool, HandleGameKeys, (), (override));
  MOCK_METHOD(void, PreStep, (), (override));
  MOCK_METHOD(void, Simulate, (float), (override));
  MOCK_METHOD(void, UpdateEvents, (), (override));
  MOCK_METHOD(void, StepBike, (float), (override));
  MOCK_METHOD(ol::Vec2, GetBikePosition, (), (override));
  MOCK_METHOD(bool, IsShaking, (), (override));
  MOCK_METHOD(float, RandomShake, (), (override));
  MOCK_METHOD(void, SetCamera, (const ol::Vec2&), (override));
  MOCK_METHOD(void, UpdateAndDraw, (float, bool), (override));
  MOCK_METHOD(void, DrawObjectives, (), (override));
  MOCK_METHOD(void, DrawConsole, (), (override));
  MOCK_METHOD(void, Refresh, (), (override));
  MOCK_METHOD(void, ReportStepFigure, (float), (override));
  MOCK_METHOD(void, ReportFrameFigure, (float), (override));
};

MATCHER_P2(IsPoint, x, y, "") { return arg.x == x && arg.y == y; }

// The loop over a clock that only the test moves.
template <class Game>
class Loop {
 public:
  explicit Loop(std::uint32_t startTime, ol::Vec2 halfScreen = ol::Vec2(400.0f, 300.0f))
      : now_(startTime),
        loop_(game, [this] { return now_; }, startTime, halfScreen) {
    ON_CALL(game, HandleGameKeys()).WillByDefault(Return(true));
  }

  // One pass of the loop at the given clock time.
  void PassAt(std::uint32_t time) {
    now_ = time;
    loop_.RunPass();
  }

  Game game;

 private:
  std::uint32_t now_;
  Kest::MainLoop loop_;
};

using QuietLoop = Loop<NiceMock<MockGame>>;

TEST(MainLoopPacing, StepsAfterMoreThanOneMillisecondAndDrawsAfterMoreThanSixteen) {
  QuietLoop loop(1000);
  EXPECT_CALL(loop.game, Simulate(_)).Times(0);
  loop.PassAt(1001);
  Mock::VerifyAndClearExpectations(&loop.game);

  EXPECT_CALL(loop.game, Simulate(_)).Times(1);
  loop.PassAt(1002);
  Mock::VerifyAndClearExpectations(&loop.game);

  EXPECT_CALL(loop.game, Refresh()).Times(0);
  loop.PassAt(1016);
  Mock::VerifyAndClearExpectations(&loop.game);

  EXPECT_CALL(loop.game, Refresh()).Times(1);
  loop.PassAt(1017);
}

TEST(MainLoopPacing, ElapsedTimesSurviveTheClockWrappingAround) {
  QuietLoop loop(0xFFFFFFF0u);
  EXPECT_CALL(loop.game, StepBike(FloatEq(20.0f)));
  EXPECT_CALL(loop.game, UpdateAndDraw(FloatEq(20.0f), true)).Times(2);
  loop.PassAt(0x00000004u);
}

TEST(MainLoopPacing, OneFixedLengthStepPerPassHoweverLongItHasBeen) {
  QuietLoop loop(0);
  EXPECT_CALL(loop.game, Simulate(FloatEq(0.038f))).Times(1);
  EXPECT_CALL(loop.game, StepBike(FloatEq(250.0f))).Times(1);
  loop.PassAt(250);
}

TEST(MainLoopPlay, StepThenFrameDrawnTwiceAroundTheCameraMove) {
  Loop<StrictMock<MockGame>> loop(0, ol::Vec2(512.0f, 384.0f));
  MockGame& game = loop.game;
  InSequence order;
  EXPECT_CALL(game, IsRestartRequested()).WillOnce(Return(false));
  EXPECT_CALL(game, IsWaiting()).WillOnce(Return(false));
  EXPECT_CALL(game, IsFinished()).WillOnce(Return(false));
  EXPECT_CALL(game, HandleGameKeys()).WillOnce(Return(true));
  EXPECT_CALL(game, PreStep());
  EXPECT_CALL(game, Simulate(FloatEq(0.038f)));
  EXPECT_CALL(game, UpdateEvents());
  EXPECT_CALL(game, StepBike(FloatEq(20.0f)));
  EXPECT_CALL(game, UpdateAndDraw(FloatEq(20.0f), true));
  EXPECT_CALL(game, GetBikePosition()).WillOnce(Return(ol::Vec2(1000.0f, 500.0f)));
  EXPECT_CALL(game, IsShaking()).WillOnce(Return(false));
  EXPECT_CALL(game, SetCamera(IsPoint(488.0f, 116.0f)));
  EXPECT_CALL(game, UpdateAndDraw(FloatEq(20.0f), true));
  EXPECT_CALL(game, DrawConsole());
  EXPECT_CALL(game, Refresh());
  loop.PassAt(20);
}

TEST(MainLoopPlay, ShakeMovesBothAxesByOneRandomValue) {
  QuietLoop loop(0);
  ON_CALL(loop.game, GetBikePosition()).WillByDefault(Return(ol::Vec2(1000.0f, 500.0f)));
  ON_CALL(loop.game, IsShaking()).WillByDefault(Return(true));
  EXPECT_CALL(loop.game, RandomShake()).WillOnce(Return(7.0f));
  EXPECT_CALL(loop.game, SetCamera(IsPoint(607.0f, 207.0f)));
  loop.PassAt(20);
}

TEST(MainLoopPlay, KeysThatLeaveThePassSkipStepAndFrame) {
  QuietLoop loop(0);
  EXPECT_CALL(loop.game, HandleGameKeys()).WillOnce(Return(false));
  EXPECT_CALL(loop.game, Simulate(_)).Times(0);
  EXPECT_CALL(loop.game, UpdateAndDraw(_, _)).Times(0);
  loop.PassAt(100);
}

TEST(MainLoopPlay, ReportsPassesPerStepAndPerFrameEveryHalfSecond) {
  QuietLoop loop(0);
  EXPECT_CALL(loop.game, ReportStepFigure(_)).Times(0);
  EXPECT_CALL(loop.game, ReportFrameFigure(_)).Times(0);
  for (std::uint32_t t = 2; t <= 500; t += 2) loop.PassAt(t);
  Mock::VerifyAndClearExpectations(&loop.game);

  // Steps come every pass of 2 ms, frames every 18 ms (the first past 500
  // is at 504): each figure counts the passes since the loop began.
  EXPECT_CALL(loop.game, ReportStepFigure(FloatEq(251.0f)));
  EXPECT_CALL(loop.game, ReportFrameFigure(FloatEq(252.0f)));
  loop.PassAt(502);
  loop.PassAt(504);
}

// Restart before waiting, waiting before finishing, finishing before play:
// each pass takes the first branch whose question says yes.
TEST(MainLoopBranches, EachPassTakesTheFirstBranchThatApplies) {
  for (int branch = 0; branch < 3; ++branch) {
    QuietLoop loop(0);
    ON_CALL(loop.game, IsRestartRequested()).WillByDefault(Return(branch == 0));
    ON_CALL(loop.game, IsWaiting()).WillByDefault(Return(branch <= 1));
    ON_CALL(loop.game, IsFinished()).WillByDefault(Return(true));
    EXPECT_CALL(loop.game, RestartLevel()).Times(branch == 0);
    EXPECT_CALL(loop.game, TakeKey()).Times(branch == 1);
    EXPECT_CALL(loop.game, FinishLevel()).Times(branch == 2);
    EXPECT_CALL(loop.game, HandleGameKeys()).Times(0);
    EXPECT_CALL(loop.game, Simulate(_)).Times(0);
    loop.PassAt(100);
  }
}

TEST(MainLoopWaiting, DrawsWithoutSimulatingFromTheFixedOffsetUntilAKeyStartsPlay) {
  Loop<NiceMock<MockGame>> loop(0, ol::Vec2(512.0f, 384.0f));
  MockGame& game = loop.game;
  ON_CALL(game, IsWaiting()).WillByDefault(Return(true));
  ON_CALL(game, GetBikePosition()).WillByDefault(Return(ol::Vec2(1000.0f, 500.0f)));
  EXPECT_CALL(game, Simulate(_)).Times(0);
  EXPECT_CALL(game, StartPlay()).Times(0);
  EXPECT_CALL(game, SetCamera(IsPoint(600.0f, 200.0f)));
  EXPECT_CALL(game, UpdateAndDraw(FloatEq(30.0f), false));
  EXPECT_CALL(game, DrawObjectives());
  loop.PassAt(30);
  Mock::VerifyAndClearExpectations(&game);

  InSequence order;
  EXPECT_CALL(game, TakeKey()).WillOnce(Return(true));
  EXPECT_CALL(game, RestartFrameCounter());
  EXPECT_CALL(game, UpdateAndDraw(FloatEq(30.0f), false));
  EXPECT_CALL(game, DrawObjectives());
  EXPECT_CALL(game, Refresh());
  EXPECT_CALL(game, StartPlay());
  loop.PassAt(60);
}

// However long the level waited, restarted, finished or reloaded, the
// first step after the break is handed the time since play began, not the
// time since the last step.
TEST(MainLoopPlay, TheFirstStepAfterABreakIsShort) {
  const std::function<void(MockGame&)> breaks[] = {
      [](MockGame& game) {
        EXPECT_CALL(game, IsWaiting()).WillOnce(Return(true)).WillRepeatedly(Return(false));
        EXPECT_CALL(game, TakeKey()).WillOnce(Return(true));
      },
      [](MockGame& game) {
        EXPECT_CALL(game, IsRestartRequested()).WillOnce(Return(true)).WillRepeatedly(Return(false));
      },
      [](MockGame& game) {
        EXPECT_CALL(game, IsFinished()).WillOnce(Return(true)).WillRepeatedly(Return(false));
      },
      [](MockGame& game) {
        EXPECT_CALL(game, HandleGameKeys()).WillOnce(Return(false)).WillRepeatedly(Return(true));
      },
  };
  for (const auto& setUpBreak : breaks) {
    QuietLoop loop(0);
    setUpBreak(loop.game);
    loop.PassAt(5000);
    EXPECT_CALL(loop.game, StepBike(FloatEq(2.0f)));
    loop.PassAt(5002);
  }
}

}  // namespace

// The loop over a clock that moves only while the loop sleeps: after the
// first pass every pass must have had something to do, and the steps and
// frames keep their pace.
TEST(MainLoopSleep, SleepsUntilTheNextStepOrFrameIsDue) {
  for (const bool waiting : {false, true}) {
    NiceMock<MockGame> game;
    std::uint32_t now = 0;
    int steps = 0, frames = 0, idlePasses = 0, workDone = 0, passes = 0;
    ON_CALL(game, IsRunning()).WillByDefault([&] {
      if (passes++ > 0 && steps + frames == workDone) ++idlePasses;
      workDone = steps + frames;
      return now < 340 && passes < 10000;
    });
    ON_CALL(game, IsWaiting()).WillByDefault(Return(waiting));
    ON_CALL(game, HandleGameKeys()).WillByDefault(Return(true));
    ON_CALL(game, Simulate(_)).WillByDefault([&](float) { ++steps; });
    ON_CALL(game, Refresh()).WillByDefault([&] { ++frames; });
    Kest::MainLoop loop(game, [&] { return now; }, 0, ol::Vec2(400.0f, 300.0f),
                        [&](std::uint32_t ms) { now += ms; });
    loop.Run();
    EXPECT_EQ(frames, 19) << "waiting " << waiting;  // at 17, 34, ... 323
    EXPECT_EQ(steps, waiting ? 0 : 169);              // at 2, 4, ... 338
    EXPECT_EQ(idlePasses, 1) << "waiting " << waiting;  // only the very first
  }
}
