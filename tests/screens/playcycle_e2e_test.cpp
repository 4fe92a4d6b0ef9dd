// The real game from a scratch copy of its stage: the menu, the play cycle through two short test tracks
// and the high scores, the credits, the windows in play, keys held across screens, ending the game from
// outside, and a still menu's processor time.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include "tests/screens/gamescreen.h"
#include "tests/support/gamerun.h"

namespace {

using namespace std::chrono_literals;
using namespace ScreenTests;
using TestSupport::CommandOutput;
using TestSupport::GameRun;
using TestSupport::PollUntil;

// Flat ground, and the flag 170 pixels ahead of the bike: held throttle rides through it in a second or two.
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

// Places on the 800 x 600 window. The dialog's rows start at y = 92, its "start" button is at the window's bottom
// right; the viewer's rows start below its drop-down.
const Area kStartButton{582, 495, 160, 45};
const Area kFirstViewerRow{60, 105, 680, 18};
// Black during the ride, the result screen's window over the forest after.
const Area kBelowTheRide{600, 400, 150, 100};
const Area kFirstCreditLine{150, 50, 500, 34};

// The stage with the two test tracks in place of the shipped ones, and two
// out of the list: the same track, and one of 3 seconds.
void StartOnTestStage(GameRun& game, const std::vector<std::string>& arguments = {}) {
  std::ofstream(game.Folder() + "/tracklist.xml") << kTrackList;
  for (const char* track : {"short", "again", "solo"}) std::ofstream(game.Folder() + "/levels/" + track + ".lua") << kShortTrack;
  std::ofstream(game.Folder() + "/levels/slow.lua") << kShortTrack << "SetLevelTime(3)\n";
  game.Start(arguments);
}

// A test-stage game started with a track on the command line, its window shown.
bool StartWithTrack(GameRun& game, const std::string& track) {
  StartOnTestStage(game, {track});
  const bool shown = !game.WaitForWindow().empty();
  std::this_thread::sleep_for(1s);
  return shown;
}

// Takes screenshots until one shows what `shows` looks for, 10 s at most.
bool Shows(const GameRun& game, const std::string& name, const std::function<bool(const std::string&)>& shows) {
  return PollUntil(10000, [&] { return shows(game.Screenshot(name)); });
}

// Acts until what the action should bring comes, three times at most: a
// loaded machine may run the game's loop too slowly to see one short press,
// and a key pressed while a screen is still opening is not that screen's.
bool RepeatUntil(const std::function<void()>& act, int waitMs, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    act();
    if (PollUntil(waitMs, done)) return true;
  }
  return false;
}

bool ClickUntil(int x, int y, const std::function<bool()>& done) {
  return RepeatUntil([&] { Click(x, y); }, 3000, done);
}

// How many lines of the log begin with the text.
int LogHas(const GameRun& game, const std::string& text) {
  int count = 0;
  for (const std::string& logged : game.LogLines()) count += logged.rfind(text, 0) == 0;
  return count;
}

bool HighScoresHave(const GameRun& game, const std::string& text) {
  return CommandOutput("cat " + game.Folder() + "/highscores.xml 2>/dev/null").find(text) != std::string::npos;
}

// Esc is read from the key state there: held long enough to be seen.
void HoldEscape(const GameRun& game) {
  game.KeyDown("Escape");
  std::this_thread::sleep_for(300ms);
  game.KeyUp("Escape");
}

// Opens the dialog from the menu and picks the first track; false when "start" did not show.
bool PickTheFirstTrack(const GameRun& game, const std::string& menu) {
  std::string dialog;
  return ClickUntil(572, kPlay, [&] {
           dialog = game.Screenshot("dialog");
           return DifferentPixels(menu, dialog, kMenuWindow) >= 100;
         }) &&
         ClickUntil(200, 92, [&] {
           return DifferentPixels(dialog, game.Screenshot("dialog-picked"), kStartButton) > 2000;
         });
}

// Starts the waiting level and rides with the throttle held until the result screen covers the black below the ride.
// False when the ride or the result screen did not show.
bool RideToTheFinish(const GameRun& game) {
  game.PressKey("Return");
  game.KeyDown("Up");
  const bool finished =
      Shows(game, "ride", [](const std::string& shot) { return BrightPixels(shot, kBelowTheRide, 10) < 100; }) &&
      Shows(game, "result", [](const std::string& shot) { return BrightPixels(shot, kBelowTheRide, 10) > 10000; });
  game.KeyUp("Up");
  return finished;
}

// Esc leaves the waiting level for the menu, and the menu for good.
void Quit(GameRun& game) {
  game.PressKey("Return");
  std::this_thread::sleep_for(500ms);
  game.PressKey("Escape");
  std::this_thread::sleep_for(1s);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
}

TEST(PlayCycleEndToEnd, PickRideNameAndOnThroughTheTracksBackToTheMenu) {
  GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
  StartOnTestStage(game);
  const std::string menu = ScreenTests::WaitForMenu(game);
  const auto isMenu = [&](const std::string& shot) { return DifferentPixels(menu, shot, kMenuWindow) < 100; };

  // The dialog: "start" only once a track is picked; Esc goes back to the
  // menu, and a key typed in the dialog does not reach it.
  ASSERT_TRUE(PickTheFirstTrack(game, menu)) << "\"start\" shows";
  game.PressKey("a");
  HoldEscape(game);
  EXPECT_TRUE(Shows(game, "menu-again", isMenu));
  EXPECT_TRUE(game.IsRunning());

  // The first track, to its finish; the score made the empty table.
  ASSERT_TRUE(PickTheFirstTrack(game, menu));
  ASSERT_TRUE(ClickUntil(kStartButton.x + 80, kStartButton.y + 22,
                         [&] { return LogHas(game, "Loading the level levels\\short.lua"); }));
  CommandOutput("xdotool mousemove 20 580");  // out of the menu's window
  ASSERT_TRUE(RideToTheFinish(game));

  // The name, with a letter the file cannot take, and Enter.
  CommandOutput("xdotool type --delay 60 'Ann R\xC3\xA9ider'");
  game.PressKey("Return");
  ASSERT_TRUE(PollUntil(10000, [&] { return HighScoresHave(game, "name=\"Ann Rider\""); }));
  EXPECT_TRUE(HighScoresHave(game, "<track name=\"Short Ride\">\n        <score date="));

  // The next track; at its finish Esc leaves the naming, and after this last track the menu comes back.
  ASSERT_TRUE(PollUntil(10000, [&] { return LogHas(game, "Loading the level levels\\again.lua"); }));
  ASSERT_TRUE(RideToTheFinish(game));
  HoldEscape(game);
  ASSERT_TRUE(PollUntil(5000, [&] { return HighScoresHave(game, "<track name=\"Short Again\">\n        <score"); }));
  EXPECT_TRUE(Shows(game, "menu-last", isMenu)) << "the menu after the last track";

  // "scores": the viewer opens without a table; its drop-down has the keys, and Down picks the second track.
  std::string viewer;
  ASSERT_TRUE(ClickUntil(572, kScores, [&] {
    viewer = game.Screenshot("viewer");
    return DifferentPixels(menu, viewer, kMenuWindow) > 10000;
  }));
  EXPECT_EQ(BrightPixels(viewer, kFirstViewerRow), 0) << "no rows before a track is picked";
  game.PressKey("Down");
  EXPECT_TRUE(Shows(game, "table", [](const std::string& shot) { return BrightPixels(shot, kFirstViewerRow) > 100; }))
      << "a row of text";
  game.PressKey("Escape");

  // The credits type out until Esc; "quit" ends the game.
  std::string credits;
  ASSERT_TRUE(ClickUntil(572, kCredits, [&] {
    credits = game.Screenshot("credits");
    return DifferentPixels(menu, credits, kMenuWindow) > 10000;
  }));
  std::this_thread::sleep_for(2s);
  EXPECT_GT(DifferentPixels(credits, game.Screenshot("credits-typed"), kFirstCreditLine), 200);
  game.PressKey("Escape");
  EXPECT_TRUE(Shows(game, "menu-end", isMenu));
  Click(kQuit);
  EXPECT_EQ(game.WaitForExit(), 0);
}

// A touchpad's tap: the button goes down and up again between two of the menu's passes, and still presses "credits".
TEST(MenuEndToEnd, ATapTooShortForAPassStillPressesAButton) {
  GameRun game(VANTRAIL_STAGE_DIR);
  const std::string menu = WaitForMenu(game);
  CommandOutput("xdotool mousemove 572 " + std::to_string(kCredits));
  std::this_thread::sleep_for(150ms);
  CommandOutput("xdotool mousedown 1 mouseup 1");
  EXPECT_TRUE(Shows(game, "credits", [&](const std::string& shot) {
    return DifferentPixels(menu, shot, kMenuWindow) > 10000;
  }));
  game.Kill();
}

// A track out of the list has no table: its finish goes straight on.
TEST(PlayCycleEndToEnd, ATrackFromTheCommandLineGoesOnToTheListsFirst) {
  GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
  ASSERT_TRUE(StartWithTrack(game, "levels\\solo.lua"));
  game.PressKey("Return");
  game.KeyDown("Up");
  EXPECT_TRUE(PollUntil(20000, [&] { return LogHas(game, "Loading the level levels\\short.lua"); }));
  game.KeyUp("Up");
  Quit(game);
}

TEST(PlayCycleEndToEnd, WhenTheTimeRunsOutTheLevelStartsOver) {
  GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
  ASSERT_TRUE(StartWithTrack(game, "levels\\slow.lua"));
  game.PressKey("Return");
  EXPECT_TRUE(PollUntil(60000, [&] { return LogHas(game, "Loading the level levels\\slow.lua") == 2; }));
  EXPECT_EQ(LogHas(game, "Time is up!"), 0) << "the debug console's line only";
  EXPECT_EQ(LogHas(game, "Finished"), 0);
  Quit(game);
}

// A key held for 1.5 s, long past the keyboard's repeat delay.
void Hold(const GameRun& game, const std::string& key) {
  game.KeyDown(key);
  std::this_thread::sleep_for(1500ms);
  game.KeyUp(key);
}

// The Esc that leaves play or the track list does not reach the menu, whose own Esc would end the game. The track
// list and the menu take keys: Down and Enter start the first track, Tab and Enter press the menu's buttons.
TEST(HeldKeysEndToEnd, EscHeldInPlayOrInTheTrackListGoesBackToTheMenuOnly) {
  GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
  StartOnTestStage(game);
  const std::string menu = WaitForMenu(game);
  const auto isMenu = [&](const std::string& shot) { return DifferentPixels(menu, shot, kMenuWindow) < 100; };
  ASSERT_TRUE(ClickUntil(572, kPlay, [&] { return !isMenu(game.Screenshot("dialog")); }));
  game.PressKey("Down Return");
  ASSERT_TRUE(PollUntil(5000, [&] { return LogHas(game, "Loading the level levels\\short.lua"); }));
  CommandOutput("xdotool mousemove 20 580");
  std::this_thread::sleep_for(1s);
  game.PressKey("Return");
  std::this_thread::sleep_for(500ms);
  Hold(game, "Escape");
  EXPECT_TRUE(Shows(game, "menu-after-play", isMenu));
  ASSERT_TRUE(game.IsRunning()) << "held Esc in play";

  ASSERT_TRUE(ClickUntil(572, kPlay, [&] { return !isMenu(game.Screenshot("dialog")); }));
  Hold(game, "Escape");
  EXPECT_TRUE(Shows(game, "menu-after-dialog", isMenu));
  ASSERT_TRUE(game.IsRunning()) << "held Esc in the track list";
  game.PressKey("Tab Tab Tab Return");  // from "play", which the click chose, to "quit"
  EXPECT_EQ(game.WaitForExit(), 0);
}

// Esc until the game ends: the waiting level goes back to the menu, and the menu ends the game.
int EscapeUntilTheGameEnds(GameRun& game) {
  RepeatUntil([&] { game.PressKey("Escape"); }, 3000, [&] { return !game.IsRunning(); });
  return game.WaitForExit();
}

// Screenshots over a second apart until two are the same, 20 s at most: a level that waits has a still picture, and
// one in play has a running clock.
bool PictureSettles(const GameRun& game) {
  int shot = 0;
  std::string last = game.Screenshot("still-0");
  return PollUntil(20000, [&] {
    std::this_thread::sleep_for(1100ms);
    const std::string next = game.Screenshot("still-" + std::to_string(++shot));
    const bool same = CommandOutput("compare -metric AE " + last + " " + next + " null: 2>&1") == "0";
    last = next;
    return same;
  });
}

// A finish with Up held and a score that misses the full table: the result screen waits for a key pressed on it,
// and so does the next track (the list's first, after a track from the command line). A busy machine loads and draws
// late: every step waits on what the game logs or shows.
TEST(HeldKeysEndToEnd, UpHeldAcrossTheFinishLeavesTheResultScreenShown) {
  GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
  std::ofstream(game.Folder() + "/highscores.xml")
      << "<?xml version='1.0' encoding='UTF-8'?>\n<highscores><track name='Short Ride'>"
         "<score date='1' name='Al' score='900000'/><score date='2' name='Bo' score='800000'/>"
         "<score date='3' name='Cy' score='700000'/></track></highscores>\n";
  StartOnTestStage(game, {"levels\\short.lua"});
  ASSERT_FALSE(game.WaitForWindow().empty());
  ASSERT_TRUE(PollUntil(20000, [&] { return LogHas(game, "Loading the level levels\\short.lua") == 1; }));
  game.KeyDown("Up");
  ASSERT_TRUE(RepeatUntil([&] { game.PressKey("Return"); }, 10000, [&] { return LogHas(game, "Finished") == 1; }));
  ASSERT_TRUE(Shows(game, "result", [](const std::string& shot) { return BrightPixels(shot, kBelowTheRide, 10) > 10000; }));
  std::this_thread::sleep_for(1500ms);  // past the keyboard's repeat delay
  EXPECT_GT(BrightPixels(game.Screenshot("result-held"), kBelowTheRide, 10), 10000) << "the result screen stays";
  EXPECT_EQ(LogHas(game, "Loading the level levels\\short.lua"), 1);
  game.KeyUp("Up");
  game.PressKey("Return");
  ASSERT_TRUE(PollUntil(20000, [&] { return LogHas(game, "Loading the level levels\\short.lua") == 2; }));
  EXPECT_TRUE(PictureSettles(game)) << "the next track waits for its key";
  EXPECT_EQ(EscapeUntilTheGameEnds(game), 0);
}

// A level that restarts at its first step waits for a key again and again: Esc there leaves for the menu.
TEST(HeldKeysEndToEnd, EscWhileALevelWaitsGoesBackToTheMenu) {
  GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
  StartOnTestStage(game);
  std::ofstream(game.Folder() + "/levels/short.lua") << kShortTrack << "EventXGreater(nil, -1e30, 'RestartLevel()')\n";
  const std::string menu = WaitForMenu(game);
  ASSERT_TRUE(PickTheFirstTrack(game, menu));
  ASSERT_TRUE(ClickUntil(kStartButton.x + 80, kStartButton.y + 22,
                         [&] { return LogHas(game, "Loading the level levels\\short.lua"); }));
  CommandOutput("xdotool mousemove 20 580");  // out of the menu's window
  std::this_thread::sleep_for(1s);            // the level loaded: a key pressed before it waits is not its
  game.PressKey("Return");
  ASSERT_TRUE(PollUntil(10000, [&] { return LogHas(game, "Loading the level levels\\short.lua") >= 2; }))
      << "the level restarted";
  std::this_thread::sleep_for(1s);
  game.PressKey("Escape");
  EXPECT_TRUE(Shows(game, "menu-again", [&](const std::string& shot) {
    return DifferentPixels(menu, shot, kMenuWindow) < 100;
  }));
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
}

// The close button and the signals of a logout, a kill and Ctrl+C end the game as "quit" does, each in two of the
// menu, a waiting level, play and the result screen (left as by Esc: the new score is stored without a name).
TEST(QuitEndToEnd, TheCloseButtonAndTheSignalsEndTheGameAsQuitDoes) {
  const std::function<void(GameRun&, const std::string&)> asks[] = {
      [](GameRun&, const std::string& window) { GameRun::CloseWindow(window); },
      [](GameRun& game, const std::string&) { game.Signal(SIGTERM); },
      [](GameRun& game, const std::string&) { game.Signal(SIGINT); },
      [](GameRun& game, const std::string&) { game.Signal(SIGHUP); },
  };
  for (int round = 0; round < 8; ++round) {
    const int place = round % 4;
    SCOPED_TRACE("way " + std::to_string(round / 2) + ", place " + std::to_string(place));
    GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
    if (place == 0) StartOnTestStage(game);
    else ASSERT_TRUE(StartWithTrack(game, "levels\\short.lua"));
    const std::string window = game.WaitForWindow();
    std::this_thread::sleep_for(1s);
    if (place >= 2) game.PressKey("Return");
    if (place == 3) {
      game.KeyDown("Up");
      EXPECT_TRUE(PollUntil(10000, [&] { return LogHas(game, "Finished"); }));
      game.KeyUp("Up");
      std::this_thread::sleep_for(500ms);
    }
    asks[round / 2](game, window);
    EXPECT_EQ(game.WaitForExit(10000), 0);
    if (place == 3) {
      EXPECT_TRUE(HighScoresHave(game, "name=\"\" score="));
    }
  }
}

// The console's figures and event list (the right-hand 200 pixels); the
// objectives window's goal rows, 42 pixels apart.
const Area kFigures{610, 20, 180, 130};
const Area kEvents{612, 170, 178, 400};
Area GoalRow(int row) { return Area{222, 176 + 42 * row, 370, 32}; }

// The leftmost column of the start post's violet (found nowhere else on
// the meadow) left of the console; -1 when it is out of view.
int PostColumn(const std::string& shot) {
  const std::string box = CommandOutput("convert " + shot + " -crop 600x600+0+0 +repage -fuzz 5% -fill black "
                                        "+opaque 'rgb(138,43,227)' -format %@ info:");
  const std::size_t plus = box.find('+');
  return box.rfind("0x0", 0) == 0 || plus == std::string::npos ? -1 : std::stoi(box.substr(plus + 1));
}

// The meadow from the command line: its goals, still until a key starts the
// level; in play Alt+C shows the console while the rider's keys still ride.
TEST(PlayEndToEnd, GoalsThenPlayWithTheConsoleShownWhileTheKeysStillRide) {
  GameRun game(VANTRAIL_STAGE_DIR, {"levels\\first.lua"});
  const std::string window = game.WaitForWindow();
  ASSERT_FALSE(window.empty());
  EXPECT_NE(CommandOutput("xdotool getwindowgeometry --shell " + window).find("WIDTH=800\nHEIGHT=600"), std::string::npos);
  std::this_thread::sleep_for(2s);
  const std::string goals = game.Screenshot("objectives");
  EXPECT_GT(DarkPixels(goals, GoalRow(0)), 100) << "the stars";
  EXPECT_GT(DarkPixels(goals, GoalRow(1)), 100) << "the finish flag";
  EXPECT_EQ(DarkPixels(goals, GoalRow(2)), 0) << "two goals only";
  std::this_thread::sleep_for(1s);
  EXPECT_EQ(CommandOutput("compare -metric AE " + goals + " " + game.Screenshot("still") + " null: 2>&1"), "0");

  game.PressKey("Return");
  std::this_thread::sleep_for(1s);
  EXPECT_LT(DarkPixels(game.Screenshot("started"), kFigures), 20);
  game.PressKey("alt+c");
  std::this_thread::sleep_for(1s);
  const std::string console = game.Screenshot("console");
  EXPECT_GT(DarkPixels(console, kFigures), 300);
  EXPECT_GT(DarkPixels(console, kEvents), 100) << "the level's load";

  // Up held: the camera follows the bike, leaving the post behind.
  const int start = PostColumn(console);
  ASSERT_GE(start, 0);
  game.KeyDown("Up");
  int post = start;
  for (int second = 0; second < 20 && post >= start - 20; ++second) {
    std::this_thread::sleep_for(1s);
    post = PostColumn(game.Screenshot("riding"));
  }
  game.KeyUp("Up");
  EXPECT_LT(post, start - 20) << "the post was at " << start;

  game.PressKey("alt+c");
  std::this_thread::sleep_for(1s);
  EXPECT_LT(DarkPixels(game.Screenshot("hidden"), kFigures), 20);
  HoldEscape(game);
  std::this_thread::sleep_for(1s);
  game.PressKey("Escape");
  EXPECT_EQ(game.WaitForExit(), 0);
  for (const std::string& line : game.LogLines()) EXPECT_EQ(line.find("first.lua:"), std::string::npos) << line;
}

// The game's processor time so far, in clock ticks (user and system).
long ProcessorTicks(const std::string& pid) {
  return std::stol(CommandOutput("awk '{print $14 + $15}' /proc/" + pid + "/stat"));
}

// Without vertical sync the menu would draw as fast as it can; a still menu
// must leave the processor alone. Esc there ends the game cleanly.
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
