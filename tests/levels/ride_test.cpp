// The shipped tracks can be finished. Each is ridden by the real game, on a
// clock the test moves, with the throttle held and the rider leaning
// forward whenever he can (Up and Right held, as a player would, with two
// rhythms of the hands): it reaches the flag at the first attempt with
// most of its time left, its events running along the way.
#include <allegro.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <tuple>

#include "game/app/app.h"
#include "game/level/level.h"
#include "game/level/timermanager.h"
#include "game/level/variablemanager.h"
#include "tests/levels/ridegame.h"
#include "tests/support/tracecapture.h"

namespace LevelsTest {
namespace {

struct Track {
  const char* file;
  const char* lastCheckpoint;
};

class Ride : public ::testing::TestWithParam<std::tuple<Track, RideGame::Hands>> {
 protected:
  // One window; the tracks and their images come from the stage folder.
  static void SetUpTestSuite() {
    ASSERT_EQ(chdir(VANTRAIL_STAGE_DIR), 0);
    app = new Kest::App(800, 600);
    level = new Kest::Level();
  }
  static void TearDownTestSuite() {
    delete level;
    delete app;
  }
  TestSupport::TraceCapture trace;
  static Kest::App* app;
  static Kest::Level* level;
};

Kest::App* Ride::app = nullptr;
Kest::Level* Ride::level = nullptr;

TEST_P(Ride, TheTrackIsFinishedHoldingTheThrottleAndLeaningForward) {
  const Track& track = std::get<0>(GetParam());
  RideGame game(track.file, {KEY_UP, KEY_RIGHT}, std::get<1>(GetParam()));
  const unsigned levelTime = Kest::TimerManager::GetInstance()->GetLevelTime();
  game.Ride(60000);
  ASSERT_EQ(game.finishes, 1) << "the bike got to x = " << game.furthestX;
  EXPECT_EQ(game.restarts, 0);
  EXPECT_GT(game.remainingAtFinish, levelTime * 3 / 4);
  EXPECT_EQ(Kest::VariableManager::GetInstance()->GetVariable("checkpoint"), track.lastCheckpoint);
  EXPECT_TRUE(trace.Contains("Event: SetVariable('finished')"));
}

INSTANTIATE_TEST_SUITE_P(
    ShippedTracks, Ride,
    ::testing::Combine(::testing::Values(Track{"levels\\first.lua", "down the hill"},
                                         Track{"levels\\second.lua", "the top shelf"}),
                       ::testing::Values(RideGame::Hands{0, 40}, RideGame::Hands{200, 80})));

}  // namespace
}  // namespace LevelsTest
