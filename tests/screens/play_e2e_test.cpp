// The real game with the meadow track on the command line: its 800 x 600
// window shows the objectives window with the track's goals, and nothing
// moves, until a key starts the level; in play Alt+C shows the debug
// console, whose list fills with the game's events while the rider's keys
// still reach the bike, and hides it again.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/screens/gamescreen.h"
#include "tests/support/gamerun.h"

namespace {

using ScreenTests::Area;
using ScreenTests::DarkPixels;
using TestSupport::CommandOutput;

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The leftmost column of the start post's colour (found nowhere else on the
// meadow) left of the console; -1 when it is out of view.
int PostColumn(const std::string& shot) {
  const std::string box = CommandOutput("convert " + shot + " -crop 600x600+0+0 +repage -fuzz 5% -fill black "
                                        "+opaque 'rgb(220,30,200)' -format %@ info:");
  const std::size_t plus = box.find('+');
  return box.rfind("0x0", 0) == 0 || plus == std::string::npos ? -1 : std::stoi(box.substr(plus + 1));
}

// Goal rows of the objectives window (at 200, 150, rows 42 apart); the
// console's figures and event list (the right-hand 200 pixels).
Area GoalRow(int row) { return Area{222, 176 + 42 * row, 370, 32}; }
const Area kFigures{610, 20, 180, 130};
const Area kEvents{612, 170, 178, 400};

TEST(PlayEndToEnd, GoalsThenPlayWithTheConsoleShownWhileTheKeysStillRide) {
  TestSupport::GameRun game(VANTRAIL_STAGE_DIR, {"levels\\first.lua"});
  const std::string window = game.WaitForWindow();
  ASSERT_FALSE(window.empty());
  EXPECT_NE(CommandOutput("xdotool getwindowgeometry --shell " + window).find("WIDTH=800\nHEIGHT=600"), std::string::npos);
  Wait(2000);
  const std::string goals = game.Screenshot("objectives");
  EXPECT_GT(DarkPixels(goals, GoalRow(0)), 100) << "the stars";
  EXPECT_GT(DarkPixels(goals, GoalRow(1)), 100) << "the finish flag";
  EXPECT_EQ(DarkPixels(goals, GoalRow(2)), 0) << "two goals only";
  Wait(1000);
  EXPECT_EQ(CommandOutput("compare -metric AE " + goals + " " + game.Screenshot("still") + " null: 2>&1"), "0");

  // The console is drawn in play only: Alt+C shows it once the key started
  // the level.
  game.PressKey("Return");
  Wait(1000);
  EXPECT_LT(DarkPixels(game.Screenshot("started"), kFigures), 20);
  game.PressKey("alt+c");
  Wait(1000);
  const std::string console = game.Screenshot("console");
  EXPECT_GT(DarkPixels(console, kFigures), 300);
  EXPECT_GT(DarkPixels(console, kEvents), 100) << "the level's load";

  // Up held: the bike rides on, and the camera with it, leaving the post
  // behind.
  const int start = PostColumn(console);
  ASSERT_GE(start, 0);
  game.KeyDown("Up");
  int post = start;
  for (int second = 0; second < 20 && post >= start - 20; ++second) {
    Wait(1000);
    post = PostColumn(game.Screenshot("riding"));
  }
  game.KeyUp("Up");
  EXPECT_LT(post, start - 20) << "the post was at " << start;

  game.PressKey("alt+c");
  Wait(1000);
  EXPECT_LT(DarkPixels(game.Screenshot("hidden"), kFigures), 20);

  game.PressKey("Escape");
  Wait(1000);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
  for (const std::string& line : game.LogLines()) EXPECT_EQ(line.find("first.lua:"), std::string::npos) << line;
}

}  // namespace
