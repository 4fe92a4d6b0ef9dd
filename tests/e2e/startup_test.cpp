#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/support/gamerun.h"

namespace {

using TestSupport::GameRun;

void ExpectLogStartsTheGame(const GameRun& game) {
  const std::vector<std::string> log = game.LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "Starting the vantrail...");
}

// A level named on the command line skips the menu: the game keeps its
// window open, waits for a key to start the level (a missing script leaves
// it empty), leaves for the menu on Esc, and Esc there ends it.
TEST(GameStartup, ALevelOnTheCommandLineOpensTheWindowUntilEsc) {
  GameRun game(VANTRAIL_STAGE_DIR, {"levels\\none.lua"});
  const std::string window = game.WaitForWindow();
  ASSERT_FALSE(window.empty());
  const TestSupport::WindowGeometry geometry = game.Geometry(window);
  EXPECT_EQ(geometry.width, 800);
  EXPECT_EQ(geometry.height, 600);
  EXPECT_TRUE(game.IsRunning());
  game.PressKey("Return");
  game.PressKey("Escape");
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_TRUE(game.IsRunning()) << "the menu is open";
  // A slow machine (or a sanitizer) may still be fading into the menu: Esc
  // again until the menu has taken one.
  int code = -1;
  for (int tries = 0; tries < 10 && code == -1; ++tries) {
    game.PressKey("Escape");
    code = game.WaitForExit(3000);
  }
  EXPECT_EQ(code, 0);
  ExpectLogStartsTheGame(game);
}

// Without an X display the library cannot start: the game says so in its
// log and ends, where it used to go on to open a screen and crash.
TEST(GameStartup, WithoutADisplayTheGameEndsWithALogLine) {
  const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
  unsetenv("DISPLAY");
  GameRun game(VANTRAIL_STAGE_DIR, {"levels\\none.lua"});
  const int code = game.WaitForExit();
  setenv("DISPLAY", display.c_str(), 1);
  EXPECT_EQ(code, 1);
  ExpectLogStartsTheGame(game);
  const std::vector<std::string> log = game.LogLines();
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& line) {
    return line.rfind("Cannot open the game's screen", 0) == 0;
  }));
}

}  // namespace
