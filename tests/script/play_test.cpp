// The real game with a shipped track on the command line: it loads the
// track, shows it, waits for a key, and the bike rides forward while the
// throttle is held. The start post (the one pixel colour of its kind on the
// screen) shows how far the camera, which follows the bike, has moved.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "tests/support/gamerun.h"

namespace {

using TestSupport::GameRun;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr unsigned char kPost[3] = {220, 30, 200};

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

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
  // real time: it has up to 15 s to leave the post behind.
  int riding = started;
  for (int second = 0; second < 15 && riding >= started - 20; ++second) {
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

}  // namespace
