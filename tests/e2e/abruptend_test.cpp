// The game killed (as a crash or power cut would) at random moments: every data file stays old or new.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <thread>

#include "game/data/tracklist.h"
#include "tests/support/gamerun.h"

namespace {

using TestSupport::GameRun;
using Files = std::map<std::string, std::string>;

const char kBrokenTrackList[] = "<?xml version='1.0'?>\n<tracklist><track name='Lost' filen";
const char kHighScores[] =
    "<?xml version='1.0' encoding='UTF-8'?>\n<highscores>\n"
    "<track name=\"Meadow Run\"><score date=\"1\" name=\"Al\" score=\"900\" /></track>\n"
    "</highscores>\n";

void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The game folder's own files, by name, without the executable, its log and
// the temporaries of saves that a kill cut short.
Files DataFiles(const GameRun& game) {
  Files files;
  for (const auto& entry : std::filesystem::directory_iterator(game.Folder())) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name == "vantrail" || name == "vantrail.log" ||
        name.find(".saving-") != std::string::npos)
      continue;
    std::ifstream file(entry.path(), std::ios::binary);
    files[name].assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  return files;
}

// A broken track list is kept aside and replaced at start-up, never half; loading and playing write nothing.
TEST(AbruptEnd, AKillLeavesEveryDataFileOldOrNewAndTheNextStartClean) {
  const Files replaced = {{"tracklist.xml", Kest::kDefaultTrackList},
                          {"tracklist.xml.bad", kBrokenTrackList},
                          {"highscores.xml", kHighScores}};
  const Files keptAside = {{"tracklist.xml.bad", kBrokenTrackList}, {"highscores.xml", kHighScores}};
  std::mt19937 random(20);
  for (const char* when : {"replacing", "loading", "playing"}) {
    for (int round = 0; round < 4; ++round) {
      SCOPED_TRACE(std::string(when) + " round " + std::to_string(round));
      const bool replacing = when[0] == 'r', playing = when[0] == 'p';
      GameRun game(VANTRAIL_STAGE_DIR, GameRun::NotStarted());
      std::ofstream(game.Folder() + "/highscores.xml") << kHighScores;
      if (replacing) std::ofstream(game.Folder() + "/tracklist.xml") << kBrokenTrackList;
      const Files before = DataFiles(game);
      const Files after = replacing ? replaced : before;
      game.Start({"levels\\first.lua"});
      if (playing) {
        ASSERT_FALSE(game.WaitForWindow().empty());
        Wait(500);
        game.PressKey("Return");
        game.KeyDown("Up");
      }
      Wait(std::uniform_int_distribution<int>(0, replacing ? 2000 : 3000)(random));
      game.Kill();
      game.KeyUp("Up");
      const Files killed = DataFiles(game);
      EXPECT_TRUE(killed == before || killed == after || (replacing && killed == keptAside));

      game.Start({"levels\\first.lua"});
      ASSERT_FALSE(game.WaitForWindow().empty());
      for (int tries = 0; tries < 60 && game.IsRunning(); ++tries) {
        game.PressKey("Escape");
        Wait(500);
      }
      EXPECT_EQ(game.WaitForExit(), 0);
      EXPECT_EQ(DataFiles(game), after);
      for (const std::string& line : game.LogLines()) EXPECT_EQ(line.find("Could not save"), std::string::npos) << line;
    }
  }
}

}  // namespace
