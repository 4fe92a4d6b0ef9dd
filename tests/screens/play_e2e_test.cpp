// The real game with the meadow track on the command line: the objectives
// window lists the track's goals until a key starts the level; in play
// Alt+C shows the debug console, whose list fills with the game's events
// while the rider's keys still reach the bike.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/gamerun.h"

namespace {

using TestSupport::CommandOutput;

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// ImageMagick's crop of the game's window ("WxH+X+Y"), at the top left of
// the screenshot.
std::string Crop(const std::string& shot, const std::string& area) {
  return "convert " + shot + " -crop " + area + " +repage ";
}

// The windows are see-through white over the level, so only what they draw
// themselves (text, icons) is this dark.
int DarkPixels(const std::string& shot, const std::string& area) {
  return std::stoi(CommandOutput(Crop(shot, area) + "-fx '(r<0.35&&g<0.35&&b<0.35)' " +
                                 "-format '%[fx:round(mean*w*h)]' info:"));
}

// The leftmost column of the start post's colour (found nowhere else on the
// meadow) left of the console; -1 when it is out of view.
int PostColumn(const std::string& shot) {
  const std::string box = CommandOutput(Crop(shot, "600x600+0+0") +
                                        "-fuzz 5% -fill black +opaque 'rgb(220,30,200)' -format %@ info:");
  const std::size_t plus = box.find('+');
  return box.rfind("0x0", 0) == 0 || plus == std::string::npos ? -1 : std::stoi(box.substr(plus + 1));
}

// Goal rows of the objectives window (at 200, 150, rows 42 apart); the
// console's figures and event list (the right-hand 200 pixels).
std::string GoalRow(int row) { return "370x32+222+" + std::to_string(176 + 42 * row); }
const char kFigures[] = "180x130+610+20";
const char kEvents[] = "178x400+612+170";

TEST(PlayEndToEnd, GoalsThenPlayWithTheConsoleShownWhileTheKeysStillRide) {
  TestSupport::GameRun game(VANTRAIL_STAGE_DIR, {"levels\\first.lua"});
  ASSERT_FALSE(game.WaitForWindow().empty());
  Wait(2000);
  const std::string goals = game.Screenshot("objectives");
  EXPECT_GT(DarkPixels(goals, GoalRow(0)), 100) << "the stars";
  EXPECT_GT(DarkPixels(goals, GoalRow(1)), 100) << "the finish flag";
  EXPECT_EQ(DarkPixels(goals, GoalRow(2)), 0) << "two goals only";

  // The console is drawn in play only: Alt+C shows it once the key started
  // the level.
  game.PressKey("Return");
  Wait(1000);
  EXPECT_LT(DarkPixels(game.Screenshot("started"), kFigures), 20);
  game.PressKey("alt+c");
  Wait(1000);
  const std::string console = game.Screenshot("console");
  EXPECT_GT(DarkPixels(console, kFigures), 300);
  const int oneLoad = DarkPixels(console, kEvents);
  EXPECT_GT(oneLoad, 100) << "the level's load";

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

  // Q reloads the level, which logs its load again; Alt+C hides the console.
  game.PressKey("q");
  Wait(1000);
  game.PressKey("Return");
  Wait(1000);
  EXPECT_GT(DarkPixels(game.Screenshot("reloaded"), kEvents), oneLoad * 3 / 2);
  game.PressKey("alt+c");
  Wait(1000);
  EXPECT_LT(DarkPixels(game.Screenshot("hidden"), kFigures), 20);

  game.PressKey("Escape");
  Wait(1000);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
}

}  // namespace
