#include <gtest/gtest.h>

#include "tests/support/gamerun.h"

namespace {

using TestSupport::GameRun;

void ExpectLogStartsTheGame(const GameRun& game) {
  const std::vector<std::string> log = game.LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "Starting the vantrail...");
}

// Without a menu to choose a track from, the game has nothing to play.
TEST(GameStartup, WithoutAMenuTheGameEndsByItselfCleanly) {
  GameRun game(VANTRAIL_STAGE_DIR);
  EXPECT_EQ(game.WaitForExit(), 0);
  ExpectLogStartsTheGame(game);
}

// A level named on the command line skips the menu: the game keeps its
// window open, waits for a key to start the level (a missing script leaves
// it empty), and ends when Esc leaves for the menu.
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
  EXPECT_EQ(game.WaitForExit(), 0);
  ExpectLogStartsTheGame(game);
}

}  // namespace
