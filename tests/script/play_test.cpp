// The real game with a shipped track on the command line: it loads the
// track, shows it, waits for a key, and the bike rides forward while the
// throttle is held. The start post (the one pixel colour of its kind on the
// screen) shows how far the camera, which follows the bike, has moved.
// Ridden on, the track is finished and the game moves on to the next track;
// left standing, the level time runs out and the level starts over.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/gamerun.h"
#include "tests/support/scratchfolder.h"

namespace {

using TestSupport::GameRun;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr unsigned char kPost[3] = {220, 30, 200};

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Under a software renderer, and on a busy machine, the game runs far
// slower than real time: the tests wait for what they look for.
constexpr int kLongWaitMs = 300000;

// The position of the first log line from `from` on that begins with the
// text, once the game has written it; -1 when it did not come in time.
int WaitForLine(const GameRun& game, const std::string& text, int from = 0,
                int timeoutMs = kLongWaitMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 250) {
    const std::vector<std::string> log = game.LogLines();
    for (int i = from; i < static_cast<int>(log.size()); ++i) {
      if (log[i].rfind(text, 0) == 0) return i;
    }
    Wait(250);
  }
  return -1;
}

// The leftmost column showing the start post's colour; -1 when none does.
int PostColumn(const std::string& screenshot) {
  const std::string raw = screenshot + ".rgb";
  TestSupport::CommandOutput("convert " + screenshot + " -crop 800x600+0+0 -depth 8 rgb:" + raw);
  std::ifstream in(raw, std::ios::binary);
  const std::vector<unsigned char> rgb((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (rgb.size() < std::size_t(kWidth * kHeight * 3)) return -2;
  for (int x = 0; x < kWidth; ++x)
    for (int y = 0; y < kHeight; ++y) {
      const unsigned char* p = &rgb[std::size_t((y * kWidth + x) * 3)];
      if (std::abs(p[0] - kPost[0]) < 12 && std::abs(p[1] - kPost[1]) < 12 && std::abs(p[2] - kPost[2]) < 12)
        return x;
    }
  return -1;
}

TEST(PlayATrack, TheFirstTrackLoadsWaitsForAKeyAndRidesForwardOnTheThrottle) {
  GameRun game(VANTRAIL_STAGE_DIR, {"levels\\first.lua"});
  ASSERT_FALSE(game.WaitForWindow().empty());
  Wait(2000);
  const std::string waiting = game.Screenshot("waiting");
  Wait(1000);
  const std::string still = game.Screenshot("still");
  EXPECT_EQ(TestSupport::CommandOutput("compare -metric AE " + waiting + " " + still + " null: 2>&1"), "0")
      << "nothing moves before the key";

  // The objectives window hides the post until the key starts the level.
  game.PressKey("Return");
  Wait(300);
  const int started = PostColumn(game.Screenshot("started.png"));
  ASSERT_GE(started, 0) << "the start post is not on the screen";
  game.KeyDown("Up Right");
  // Under a software renderer on a busy machine the game runs slower than
  // real time: it has up to 60 s to leave the post behind.
  int riding = started;
  for (int waited = 0; waited < 60000 && riding >= started - 20; waited += 1000) {
    Wait(1000);
    riding = PostColumn(game.Screenshot("riding"));
    if (riding == -1) break;
  }
  game.KeyUp("Up Right");
  EXPECT_TRUE(riding == -1 || riding < started - 20)
      << "the post was at " << started << " and is at " << riding;

  game.PressKey("Escape");  // to the menu
  Wait(1000);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
  const std::vector<std::string> log = game.LogLines();
  EXPECT_NE(std::find(log.begin(), log.end(), "Loading the level levels\\first.lua"), log.end());
  for (const std::string& line : log) EXPECT_EQ(line.find("first.lua:"), std::string::npos) << line;
}

// Up and Right held (the rider leans forward whenever he can) ride the
// meadow to its flag: its events run on the way, the finish is logged with
// its score, the result screen shows, and the game goes on to the next
// track of the list, which a level from the command line starts from its
// first.
TEST(PlayATrack, TheMeadowRiddenToItsFlagIsFinishedAndTheGameMovesOn) {
  GameRun game(VANTRAIL_STAGE_DIR, {"levels\\first.lua"});
  ASSERT_FALSE(game.WaitForWindow().empty());
  Wait(1500);
  game.PressKey("Return");
  Wait(200);
  game.KeyDown("Up Right");
  const int finished = WaitForLine(game, "Finished levels\\first.lua: ");
  game.KeyUp("Up Right");
  ASSERT_GE(finished, 0) << "the meadow was not finished";
  const int hilltop = WaitForLine(game, "Event: SetVariable('checkpoint', 'the hilltop')", 0, 0);
  const int flag = WaitForLine(game, "Event: SetVariable('finished')", 0, 0);
  EXPECT_GE(hilltop, 0);
  EXPECT_LT(hilltop, flag);
  EXPECT_LT(flag, finished);
  Wait(2000);
  game.KeyDown("Escape");  // the result screen reads the held key
  Wait(300);
  game.KeyUp("Escape");
  EXPECT_GT(WaitForLine(game, "Loading the level levels\\training.lua", finished + 1, 20000), finished);
  game.PressKey("Return");
  Wait(500);
  game.PressKey("Escape");  // to the menu
  Wait(1000);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
}

// A copy of the meadow with a level time of 3 seconds, left standing: the
// time runs out and the level starts over.
TEST(PlayATrack, WhenTheTimeRunsOutTheLevelStartsOver) {
  TestSupport::ScratchFolder stage;
  namespace fs = std::filesystem;
  fs::copy(VANTRAIL_STAGE_DIR, stage.Folder(), fs::copy_options::recursive);
  std::string meadow = stage.Read("levels/first.lua");
  const std::string levelTime = "SetLevelTime(150)";
  ASSERT_NE(meadow.find(levelTime), std::string::npos);
  meadow.replace(meadow.find(levelTime), levelTime.size(), "SetLevelTime(3)");
  stage.Write("levels/first.lua", meadow);

  GameRun game(stage.Folder(), {"levels\\first.lua"});
  ASSERT_FALSE(game.WaitForWindow().empty());
  Wait(1500);
  game.PressKey("Return");
  const int timeUp = WaitForLine(game, "Time is up!");
  ASSERT_GE(timeUp, 0);
  EXPECT_GE(WaitForLine(game, "Loading the level levels\\first.lua", timeUp + 1, 20000), 0);
  EXPECT_EQ(WaitForLine(game, "Finished", 0, 0), -1);
  game.PressKey("Return");
  Wait(500);
  game.PressKey("Escape");  // to the menu
  Wait(1000);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
}

}  // namespace
