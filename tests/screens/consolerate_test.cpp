// The debug console's frame rate comes from the frames the running game
// shows. The game's start-up and shutdown: a test program of its own.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cmath>

#include "game/app/runninggame.h"
#include "game/app/startup.h"
#include "game/screens/debugconsole.h"

namespace {

TEST(ConsoleFrameRate, TheFramesTheGameShowsGiveTheConsoleItsFrameRate) {
  ASSERT_TRUE(Kest::StartUpGame());
  Kest::RunningGame game;
  const Kest::ConsoleFigures& figures = Kest::DebugConsole::GetInstance()->figures;
  for (int frame = 0; frame < 500 && figures.fps == 0.0f; ++frame) {
    rest(5);
    game.Refresh();
  }
  EXPECT_GT(figures.fps, 0.0f);
  EXPECT_TRUE(std::isfinite(figures.fps));
  Kest::ShutdownGame();
}

}  // namespace
