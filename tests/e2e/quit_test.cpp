// Ending the game from outside: the window's close button and the signals of a logout, a kill and Ctrl+C end it as
// the menu's "quit" does, from the menu, while a level waits, in play and on the result screen.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "tests/support/gamerun.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::GameRun;

// Flat ground and the flag 170 pixels ahead: the result screen comes a second or two after Up is held.
const char kShortTrack[] = R"(
local space = GetApplication():GetSpace()
GetBike():MoveTo(250, 300)
space:Insert(CreateBlock(-400, 400, 2000, 200, '', false))
space:Insert(CreatePickableItem('finish', 420, 200, 64, 200), 'finish')
GetLevel():Add(CreateVariableCondition('finish'))
)";

enum class Where { kMenu, kWaiting, kPlay, kResult };

// The game brought to the place; its window.
std::string StartAt(GameRun& game, Where where) {
  std::ofstream(game.Folder() + "/tracklist.xml")
      << "<tracklist><track index='1' name='Flat' filename='levels\\flat.lua'/></tracklist>\n";
  std::ofstream(game.Folder() + "/levels/flat.lua") << kShortTrack;
  game.Start(where == Where::kMenu ? std::vector<std::string>{} : std::vector<std::string>{"levels\\flat.lua"});
  const std::string window = game.WaitForWindow();
  std::this_thread::sleep_for(1s);
  if (where == Where::kPlay || where == Where::kResult) game.PressKey("Return");
  if (where == Where::kResult) {
    game.KeyDown("Up");
    TestSupport::PollUntil(10000, [&] {
      for (const std::string& line : game.LogLines()) {
        if (line.rfind("Finished", 0) == 0) return true;
      }
      return false;
    });
    game.KeyUp("Up");
    std::this_thread::sleep_for(500ms);
  }
  return window;
}

TEST(QuitEndToEnd, TheCloseButtonAndTheSignalsEndTheGameAsQuitDoes) {
  const struct {
    const char* what;
    std::function<void(GameRun&, const std::string&)> ask;
  } asks[] = {
      {"close button", [](GameRun&, const std::string& window) { GameRun::CloseWindow(window); }},
      {"SIGTERM", [](GameRun& game, const std::string&) { game.Signal(SIGTERM); }},
      {"SIGINT", [](GameRun& game, const std::string&) { game.Signal(SIGINT); }},
      {"SIGHUP", [](GameRun& game, const std::string&) { game.Signal(SIGHUP); }},
  };
  const Where places[] = {Where::kMenu, Where::kWaiting, Where::kPlay, Where::kResult};
  int round = 0;
  for (const auto& ask : asks) {
    // Each way of asking in two places, all four places in turn.
    for (const Where where : {places[round % 4], places[(round + 1) % 4]}) {
      SCOPED_TRACE(std::string(ask.what) + " in place " + std::to_string(int(where)));
      GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
      const std::string window = StartAt(game, where);
      ASSERT_FALSE(window.empty());
      ask.ask(game, window);
      EXPECT_EQ(game.WaitForExit(10000), 0);
      if (where != Where::kResult) continue;
      // The result screen is left as by Esc: the new score is stored, without a name.
      std::ifstream scores(game.Folder() + "/highscores.xml");
      const std::string stored((std::istreambuf_iterator<char>(scores)), std::istreambuf_iterator<char>());
      EXPECT_NE(stored.find("name=\"\" score="), std::string::npos) << stored;
    }
    ++round;
  }
}

}  // namespace
