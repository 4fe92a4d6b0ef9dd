// The game killed (SIGKILL, as a crash or a power cut would end it) at
// random moments while it replaces a broken track list at start-up, while
// it loads a track and while it plays: every data file keeps its old or its
// new content, and the next start is clean.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "game/data/tracklist.h"
#include "tests/support/gamerun.h"

namespace {

using TestSupport::GameRun;
using Files = std::map<std::string, std::string>;

constexpr int kRounds = 4;
const char kFirstTrack[] = "levels\\first.lua";
const char kBrokenTrackList[] = "<?xml version='1.0'?>\n<tracklist><track name='Lost' filen";
const char kHighScores[] =
    "<?xml version='1.0' encoding='UTF-8'?>\n<highscores>\n"
    "<track name=\"Meadow Run\"><score date=\"1\" name=\"Al\" score=\"900\" /></track>\n"
    "</highscores>\n";

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The game folder's own files, by name: everything but the executable, its
// log and the staged folders.
Files DataFiles(const std::string& folder) {
  Files files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name == "vantrail" || name == "vantrail.log") continue;
    std::ifstream file(entry.path(), std::ios::binary);
    files[name].assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  return files;
}

void Write(const GameRun& game, const std::string& name, const std::string& text) {
  std::ofstream(game.Folder() + "/" + name, std::ios::binary) << text;
}

// The game's log, for a failure message.
std::string LogOf(const GameRun& game) {
  std::string log;
  for (const std::string& line : game.LogLines()) log += "\n  " + line;
  return log;
}

bool IsUnfinishedSave(const std::string& name) {
  return name.find(".saving-") != std::string::npos;
}

// Files without the temporaries of saves that the kill cut short.
Files Finished(Files files) {
  for (auto file = files.begin(); file != files.end();) {
    file = IsUnfinishedSave(file->first) ? files.erase(file) : std::next(file);
  }
  return files;
}

class AbruptEnd : public ::testing::Test {
 protected:
  // Kills the game at a random moment of the next ms milliseconds.
  void KillWithin(GameRun& game, int ms) {
    Wait(std::uniform_int_distribution<int>(0, ms)(random_));
    game.Kill();
  }

  // Starts the game again with the level on the command line, waits for
  // its window and lets Esc end it (to the menu, then out): it must end of
  // itself, leave the files as expected and write no failed save to its log.
  void ExpectCleanStart(GameRun& game, const Files& expected) {
    game.Start({kFirstTrack});
    ASSERT_FALSE(game.WaitForWindow().empty()) << "no window; the log:" << LogOf(game);
    for (int tries = 0; tries < 60 && game.IsRunning(); ++tries) {
      game.PressKey("Escape");
      Wait(500);
    }
    EXPECT_EQ(game.WaitForExit(), 0);
    EXPECT_EQ(DataFiles(game.Folder()), expected);
    for (const std::string& line : game.LogLines()) {
      EXPECT_EQ(line.find("Could not save"), std::string::npos) << line;
    }
  }

  std::mt19937 random_{20};
};

// At start-up the game keeps a broken track list as "tracklist.xml.bad" and
// writes an empty one: after a kill either step is done or not, never half.
TEST_F(AbruptEnd, AKillWhileTheTrackListIsReplacedLeavesTheOldOrTheNewFile) {
  const Files before = {{"tracklist.xml", kBrokenTrackList}, {"highscores.xml", kHighScores}};
  const Files after = {{"tracklist.xml", Kest::kDefaultTrackList},
                       {"tracklist.xml.bad", kBrokenTrackList},
                       {"highscores.xml", kHighScores}};
  const Files keptAside = {{"tracklist.xml.bad", kBrokenTrackList}, {"highscores.xml", kHighScores}};
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
    for (const auto& file : before) Write(game, file.first, file.second);
    game.Start({kFirstTrack});
    KillWithin(game, 2000);
    const Files killed = Finished(DataFiles(game.Folder()));
    EXPECT_TRUE(killed == before || killed == keptAside || killed == after);
    ExpectCleanStart(game, after);
  }
}

// Loading a track and playing it write no data file: a kill leaves them as
// they were.
TEST_F(AbruptEnd, AKillWhileATrackLoadsOrIsPlayedLeavesTheDataFilesAsTheyWere) {
  for (const bool play : {false, true}) {
    for (int round = 0; round < kRounds; ++round) {
      SCOPED_TRACE(std::string(play ? "playing" : "loading") + " round " + std::to_string(round));
      GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
      Write(game, "highscores.xml", kHighScores);
      const Files before = DataFiles(game.Folder());
      game.Start({kFirstTrack});
      if (play) {
        ASSERT_FALSE(game.WaitForWindow().empty()) << "no window; the log:" << LogOf(game);
        Wait(500);
        game.PressKey("Return");
        game.KeyDown("Up");
        KillWithin(game, 3000);
        game.KeyUp("Up");
      } else {
        KillWithin(game, 3000);
      }
      EXPECT_EQ(DataFiles(game.Folder()), before);
      ExpectCleanStart(game, before);
    }
  }
}

}  // namespace
