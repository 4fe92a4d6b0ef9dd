// The whole play cycle in the real game: from the menu, "play", the track
// dialog, a ride to the finish, the result screen with a name typed, the
// table in "highscores.xml", the next track, back to the menu after the
// last one, and "scores" showing the table. The stage's copy lists two
// short test tracks that end at a flag a few metres from the start.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "tests/screens/gamescreen.h"
#include "tests/support/gamerun.h"
#include "tests/support/scratchfolder.h"

namespace {

using namespace std::chrono_literals;
using ScreenTests::Area;
using ScreenTests::BrightPixels;
using ScreenTests::Click;
using ScreenTests::DifferentPixels;
using TestSupport::CommandOutput;
using TestSupport::GameRun;

// Flat ground, and the flag 170 pixels ahead of the bike: held throttle
// rides through it in a second or two.
const char kShortTrack[] = R"(
local space = GetApplication():GetSpace()
GetBike():MoveTo(250, 300)
space:Insert(CreateBlock(-400, 400, 2000, 200, '', false))
space:Insert(CreatePickableItem('finish', 420, 200, 64, 200), 'finish')
GetLevel():Add(CreateVariableCondition('finish'))
SetLevelTime(60)
)";

const char kTrackList[] = R"(<?xml version='1.0'?>
<tracklist>
  <track index="1" name="Short Ride" filename="levels\short.lua" max_high_scores="3"/>
  <track index="2" name="Short Again" filename="levels\again.lua"/>
</tracklist>
)";

// Places on the 800 x 600 window. The menu's buttons stand at x = 572; the
// dialog's rows start at y = 92, its "start" button is at the window's
// bottom right; the viewer's rows start below its drop-down.
constexpr int kMenuX = 572;
constexpr int kPlayY = 146;
constexpr int kScoresY = 221;
const Area kStartButton{582, 495, 160, 45};
const Area kMenuWindow{380, 410, 380, 120};
const Area kFirstViewerRow{60, 105, 680, 18};
// Black during the ride, the result screen's window over the forest after.
const Area kBelowTheRide{600, 400, 150, 100};

// The game's stage with the two test tracks in place of the shipped ones.
class TestStage {
 public:
  TestStage() {
    std::filesystem::copy(VANTRAIL_STAGE_DIR, folder_.Folder(),
                          std::filesystem::copy_options::recursive);
    folder_.Write("tracklist.xml", kTrackList);
    folder_.Write("levels/short.lua", kShortTrack);
    folder_.Write("levels/again.lua", kShortTrack);
  }
  const std::string& Folder() const { return folder_.Folder(); }

 private:
  TestSupport::ScratchFolder folder_;
};

bool PollUntil(std::chrono::milliseconds timeout, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(200ms);
  }
  return true;
}

// Takes screenshots until one shows what `shows` looks for; that one's
// path, or empty when none did within the time.
std::string WaitForPicture(const GameRun& game, const std::string& name,
                           const std::function<bool(const std::string&)>& shows) {
  std::string shot;
  const bool shown = PollUntil(10s, [&] {
    shot = game.Screenshot(name);
    return shows(shot);
  });
  return shown ? shot : std::string();
}

// Clicks until what the click should bring shows: a loaded machine may
// run the game's loop too slowly to see one short press.
bool ClickUntil(int x, int y, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    Click(x, y);
    if (PollUntil(3s, done)) return true;
  }
  return false;
}

bool LogHas(const GameRun& game, const std::string& line) {
  for (const std::string& logged : game.LogLines())
    if (logged == line) return true;
  return false;
}

std::string HighScores(const GameRun& game) {
  return CommandOutput("cat " + game.Folder() + "/highscores.xml 2>/dev/null");
}

// Esc is read from the key state there: held long enough to be seen.
void HoldEscape(const GameRun& game) {
  game.KeyDown("Escape");
  std::this_thread::sleep_for(300ms);
  game.KeyUp("Escape");
}

bool IsMenu(const std::string& menu, const std::string& shot) {
  return DifferentPixels(menu, shot, kMenuWindow) < 100;
}

// Opens the dialog from the menu and picks the first track; the dialog's
// screenshot before the pick, or empty when "start" did not show.
std::string PickTheFirstTrack(const GameRun& game, const std::string& menu) {
  std::string dialog;
  const bool opened = ClickUntil(kMenuX, kPlayY, [&] {
    dialog = game.Screenshot("dialog");
    return !IsMenu(menu, dialog);
  });
  const bool picked = opened && ClickUntil(200, 92, [&] {
    return DifferentPixels(dialog, game.Screenshot("dialog-picked"), kStartButton) > 2000;
  });
  return picked ? dialog : std::string();
}

// Starts the waiting level and rides with the throttle held until the
// result screen covers the black below the ride. False when the ride or
// the result screen did not show.
bool RideToTheFinish(const GameRun& game, const std::string& name) {
  game.PressKey("Return");
  game.KeyDown("Up");
  const bool rode = !WaitForPicture(game, name + "-ride", [](const std::string& shot) {
                       return BrightPixels(shot, kBelowTheRide, 10) < 100;
                     }).empty();
  const bool finished = rode && !WaitForPicture(game, name, [](const std::string& shot) {
                                   return BrightPixels(shot, kBelowTheRide, 10) > 10000;
                                 }).empty();
  game.KeyUp("Up");
  return finished;
}

TEST(PlayCycleEndToEnd, PickRideNameAndOnThroughTheTracksBackToTheMenu) {
  const TestStage stage;
  GameRun game(stage.Folder());
  const std::string menu = ScreenTests::WaitForMenu(game);

  // The dialog: "start" only once a track is picked; Esc goes back to the
  // menu, and a key typed in the dialog does not reach it.
  ASSERT_FALSE(PickTheFirstTrack(game, menu).empty()) << "\"start\" shows";
  game.PressKey("a");
  HoldEscape(game);
  EXPECT_FALSE(WaitForPicture(game, "menu-again", [&](const std::string& shot) {
                 return IsMenu(menu, shot);
               }).empty());
  EXPECT_TRUE(game.IsRunning());

  // The first track, to its finish; the score made the empty table.
  ASSERT_FALSE(PickTheFirstTrack(game, menu).empty());
  ASSERT_TRUE(ClickUntil(kStartButton.x + 80, kStartButton.y + 22, [&] {
    return LogHas(game, "Loading the level levels\\short.lua");
  }));
  CommandOutput("xdotool mousemove 20 580");  // out of the menu's window
  ASSERT_TRUE(RideToTheFinish(game, "result"));

  // The name, with a letter the file cannot take, and Enter.
  CommandOutput("xdotool type --delay 60 'Ann R\xC3\xA9ider'");
  game.PressKey("Return");
  ASSERT_TRUE(PollUntil(10s, [&] {
    return HighScores(game).find("name=\"Ann Rider\"") != std::string::npos;
  })) << HighScores(game);
  EXPECT_NE(HighScores(game).find("<track name=\"Short Ride\">\n        <score date="),
            std::string::npos);

  // The next track; at its finish Esc leaves the naming, and after this
  // last track the menu comes back.
  ASSERT_TRUE(PollUntil(10s, [&] { return LogHas(game, "Loading the level levels\\again.lua"); }));
  ASSERT_TRUE(RideToTheFinish(game, "result-again"));
  HoldEscape(game);
  ASSERT_TRUE(PollUntil(5s, [&] {
    return HighScores(game).find("<track name=\"Short Again\">\n        <score") != std::string::npos;
  })) << HighScores(game);
  EXPECT_FALSE(WaitForPicture(game, "menu-last", [&](const std::string& shot) {
                 return IsMenu(menu, shot);
               }).empty()) << "the menu after the last track";

  // "scores": the viewer opens on the first track's table.
  EXPECT_TRUE(ClickUntil(kMenuX, kScoresY, [&] {
    return BrightPixels(game.Screenshot("table"), kFirstViewerRow) > 100;
  })) << "a row of text";
  game.PressKey("space");
  std::this_thread::sleep_for(500ms);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
}

}  // namespace
