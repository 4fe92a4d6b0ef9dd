// The real game from its staged folder: it opens in the main menu, the
// credits type themselves out, and the menu ends the game.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "tests/screens/gamescreen.h"
#include "tests/support/gamerun.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::CommandOutput;
using TestSupport::GameRun;
using ScreenTests::Area;
using ScreenTests::DifferentPixels;
using ScreenTests::WaitForMenu;

// Where the credits' first line types out, and a part of the menu's window
// that the credits screen does not cover with text.
const Area kFirstCreditLine{150, 50, 500, 34};
const Area kMenuWindow{380, 410, 380, 120};

// The buttons' rows, from the top; all stand around x = 572.
enum Button { kCredits = 296, kQuit = 371 };

void Click(Button button) { ScreenTests::Click(572, int(button)); }

// The game's processor time so far, in clock ticks (user and system).
long ProcessorTicks(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  // The fields after the command's closing bracket, from the third on.
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  const std::vector<std::string> values{std::istream_iterator<std::string>(fields), {}};
  return std::stol(values.at(11)) + std::stol(values.at(12));
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
  const int pid = std::stoi(CommandOutput("pgrep -f -n '^" + game.Folder() + "/vantrail'"));
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
