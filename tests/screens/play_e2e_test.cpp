// The real game with the meadow track on the command line: the objectives
// window lists the track's goals until a key starts the level; in play
// Alt+C shows the debug console, whose list fills with the game's events
// while the rider's keys still reach the bike.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include "tests/support/gamerun.h"

namespace {

using TestSupport::GameRun;

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

struct Rgb {
  int r;
  int g;
  int b;
};

struct Area {
  int x;
  int y;
  int w;
  int h;
};

// The game's 800 x 600 window at the top left of a screenshot.
class Picture {
 public:
  explicit Picture(const std::string& png) {
    const std::string raw = png + ".rgb";
    TestSupport::CommandOutput("convert " + png + " -crop 800x600+0+0 -depth 8 rgb:" + raw);
    std::ifstream in(raw, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    bytes_.resize(800 * 600 * 3);
  }
  Rgb At(int x, int y) const {
    const unsigned char* p = &bytes_[std::size_t((y * 800 + x) * 3)];
    return Rgb{p[0], p[1], p[2]};
  }
  int Count(const Area& area, const std::function<bool(const Rgb&)>& wanted) const {
    int count = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
      for (int x = area.x; x < area.x + area.w; ++x) count += wanted(At(x, y));
    }
    return count;
  }

 private:
  std::vector<unsigned char> bytes_;
};

// The windows are see-through white over the level, so only what they draw
// themselves (text, icons) is this dark.
bool IsDark(const Rgb& p) { return p.r < 90 && p.g < 90 && p.b < 90; }

// The start post's colour, found nowhere else on the meadow.
bool IsPost(const Rgb& p) {
  return std::abs(p.r - 220) < 12 && std::abs(p.g - 30) < 12 && std::abs(p.b - 200) < 12;
}

// The post's leftmost column left of the console; -1 when it is out of view.
int PostColumn(const Picture& picture) {
  for (int x = 0; x < 600; ++x) {
    if (picture.Count(Area{x, 0, 1, 600}, IsPost) > 0) return x;
  }
  return -1;
}

// Goal rows of the objectives window (at 200, 150, its rows 42 apart) and
// the console's figures and event list (the right-hand 200 pixels).
Area GoalRow(int row) { return Area{222, 176 + 42 * row, 370, 32}; }
const Area kConsoleFigures{610, 20, 180, 130};
const Area kConsoleList{612, 170, 178, 400};

class PlayEndToEnd : public ::testing::Test {
 protected:
  Picture Shot(const std::string& name) { return Picture(game.Screenshot(name)); }

  GameRun game{VANTRAIL_STAGE_DIR, {"levels\\first.lua"}};
};

TEST_F(PlayEndToEnd, GoalsThenPlayWithTheConsoleShownWhileTheKeysStillRide) {
  ASSERT_FALSE(game.WaitForWindow().empty());
  Wait(2000);
  const Picture goals = Shot("objectives");
  EXPECT_GT(goals.Count(GoalRow(0), IsDark), 100) << "the stars";
  EXPECT_GT(goals.Count(GoalRow(1), IsDark), 100) << "the finish flag";
  EXPECT_EQ(goals.Count(GoalRow(2), IsDark), 0) << "two goals only";

  // The console is drawn in play only: Alt+C shows it once the key started
  // the level.
  game.PressKey("Return");
  Wait(1000);
  EXPECT_LT(Shot("started").Count(kConsoleFigures, IsDark), 20);
  game.PressKey("alt+c");
  Wait(1000);
  const Picture console = Shot("console");
  EXPECT_GT(console.Count(kConsoleFigures, IsDark), 300);
  const int firstLoad = console.Count(kConsoleList, IsDark);
  EXPECT_GT(firstLoad, 100) << "the level's load";

  // Up held: the bike rides on, and the camera with it, leaving the post
  // behind.
  const int start = PostColumn(console);
  ASSERT_GE(start, 0);
  game.KeyDown("Up");
  int post = start;
  for (int second = 0; second < 20 && post >= start - 20; ++second) {
    Wait(1000);
    post = PostColumn(Shot("riding"));
    if (post < 0) break;
  }
  game.KeyUp("Up");
  EXPECT_TRUE(post < start - 20) << "the post was at " << start << " and is at " << post;

  // Q reloads the level, which logs its load again; Alt+C hides the console.
  game.PressKey("q");
  Wait(1000);
  game.PressKey("Return");
  Wait(1000);
  const int twoLoads = Shot("reloaded").Count(kConsoleList, IsDark);
  EXPECT_GT(twoLoads, firstLoad * 3 / 2);
  game.PressKey("alt+c");
  Wait(1000);
  EXPECT_LT(Shot("hidden").Count(kConsoleFigures, IsDark), 20);

  game.PressKey("Escape");
  Wait(1000);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
}

}  // namespace
