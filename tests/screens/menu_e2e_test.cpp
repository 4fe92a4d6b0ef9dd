// The real game from its staged folder: it opens in the main menu, the
// credits type themselves out, and the menu ends the game.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/screens/gamescreen.h"
#include "tests/support/gamerun.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::CommandOutput;
using TestSupport::GameRun;

using namespace ScreenTests;

// Where the credits' first line types out.
const Area kFirstCreditLine{150, 50, 500, 34};

// The game's processor time so far, in clock ticks (user and system).
long ProcessorTicks(const std::string& pid) {
  return std::stol(CommandOutput("awk '{print $14 + $15}' /proc/" + pid + "/stat"));
}

// The credits type out until Esc returns to the menu; "quit" ends the game.
// ("play" and "scores" are driven by the play-cycle test.)
TEST(MenuEndToEnd, TheCreditsTypeOutAndQuitEndsTheGame) {
  GameRun game(VANTRAIL_STAGE_DIR);
  const std::string menu = WaitForMenu(game);
  Click(kCredits);
  std::this_thread::sleep_for(200ms);
  const std::string creditsOpened = game.Screenshot("credits-opened");
  std::this_thread::sleep_for(2s);
  const std::string creditsTyped = game.Screenshot("credits-typed");
  EXPECT_GT(DifferentPixels(menu, creditsOpened, kMenuWindow), 10000) << "the menu is gone";
  EXPECT_GT(DifferentPixels(creditsOpened, creditsTyped, kFirstCreditLine), 200)
      << "the first line types out";

  game.PressKey("Escape");
  std::this_thread::sleep_for(500ms);
  EXPECT_LT(DifferentPixels(menu, game.Screenshot("menu-again"), kMenuWindow), 100);
  EXPECT_TRUE(game.IsRunning());

  Click(kQuit);
  EXPECT_EQ(game.WaitForExit(), 0);
}

// Without vertical sync the menu would draw as fast as it can; a menu that
// sits still must leave the processor alone. Esc there ends the game, and
// nothing went wrong.
TEST(MenuEndToEnd, AStillMenuUsesLessThanAQuarterOfACoreAndEscEndsTheGame) {
  GameRun game(VANTRAIL_STAGE_DIR);
  WaitForMenu(game);
  const std::string pid = CommandOutput("pgrep -f -n '^" + game.Folder() + "/vantrail'");
  const long ticksPerSecond = std::stol(CommandOutput("getconf CLK_TCK"));
  const auto start = std::chrono::steady_clock::now();
  const long before = ProcessorTicks(pid);
  std::this_thread::sleep_for(10s);
  const long used = ProcessorTicks(pid) - before;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(double(used) / double(ticksPerSecond) / seconds, 0.25);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
  EXPECT_EQ(game.LogLines(), std::vector<std::string>{"Starting the vantrail..."});
}

}  // namespace
