// The real game with a shipped track on the command line: it loads the
// track, shows it, waits for a key, and the bike rides forward while the
// throttle is held. The start post (the one pixel colour of its kind on the
// screen) shows how far the camera, which follows the bike, has moved.
#include <gtest/gtest.h>

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
  const std::vector<unsigned char> rgb((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
  if (rgb.size() < std::size_t(kWidth * kHeight * 3)) return -2;
  for (int x = 0; x < kWidth; ++x) {
    for (int y = 0; y < kHeight; ++y) {
      const unsigned char* p = &rgb[std::size_t((y * kWidth + x) * 3)];
      if (std::abs(p[0] - kPost[0]) < 12 && std::abs(p[1] - kPost[1]) < 12 &&
          std::abs(p[2] - kPost[2]) < 12) {
        return x;
      }
    }
  }
  return -1;
}

TEST(PlayATrack, TheFirstTrackLoadsWaitsForAKeyAndRidesForwardOnTheThrottle) {
  GameRun game(VANTRAIL_STAGE_DIR, {"levels\\first.lua"});
  ASSERT_FALSE(game.WaitForWindow().empty());
  Wait(2000);
  const int waiting = PostColumn(game.Screenshot("waiting.png"));
  ASSERT_GE(waiting, 0) << "the start post is not on the screen";
  Wait(1000);
  EXPECT_EQ(PostColumn(game.Screenshot("still.png")), waiting) << "nothing moves before the key";

  game.PressKey("Return");
  Wait(300);
  game.KeyDown("Up Right");
  // Under a software renderer, and more so under the sanitizers, the game
  // runs slower than real time: the ride goes on until the post has moved.
  const auto movedOn = [waiting](int column) { return column == -1 || column < waiting - 20; };
  int riding = waiting;
  for (int second = 0; second < 30 && !movedOn(riding); ++second) {
    Wait(1000);
    riding = PostColumn(game.Screenshot("riding.png"));
  }
  game.KeyUp("Up Right");
  EXPECT_TRUE(movedOn(riding)) << "the post was at " << waiting << " and is at " << riding;

  // Esc leaves for the menu, and Esc there ends the game; a slow game may
  // still be opening the menu at the second key.
  for (int second = 0; second < 30 && game.IsRunning(); ++second) {
    game.PressKey("Escape");
    Wait(1000);
  }
  EXPECT_EQ(game.WaitForExit(), 0);
  bool loaded = false;
  for (const std::string& line : game.LogLines()) {
    loaded = loaded || line == "Loading the level levels\\first.lua";
    EXPECT_EQ(line.find("first.lua:"), std::string::npos) << line;
  }
  EXPECT_TRUE(loaded);
}

}  // namespace
