// Track list and score file may be hand-edited or broken by a full disk: nothing may crash.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <random>
#include <string>

#include "game/data/datafile.h"
#include "game/data/highscores.h"
#include "game/data/tracklist.h"
#include "game/data/tracklistmodel.h"
#include "game/data/xmlpathdocument.h"
#include "platform/trace.h"
#include "tests/support/mangler.h"
#include "tests/support/scratchfolder.h"

namespace DataTest {
namespace {

constexpr int kInputs = 100000;

const char kTrackList[] =
    "<?xml version='1.0'?>\n<tracklist>\n<track index='1' name='Hills' filename='levels\\hills.lua' "
    "max_high_scores='3'/>\n<track index='2' name='Ridge' filename='levels\\ridge.lua'/>\n"
    "<track filename='levels\\x.lua' max_high_scores='0'/>\n</tracklist>\n";
const char kHighScores[] =
    "<?xml version='1.0' encoding='UTF-8'?>\n<highscores>\n<track name='Hills'><score date='1700000000' "
    "name='Al' score='900'/><score date='1' name='Bo' score='700'/><score date='2' name='Cy' score='500'/>"
    "</track>\n<track name='ridge'><score date='-5' name='' score='-3'/></track>\n</highscores>\n";

TEST(DataFuzz, MangledTrackListsAndScoreFilesNeverCrashTheGame) {
  const TestSupport::Mangler mangler(
      {"<track", "<score", "</track>", "<tracklist>", "<highscores>", " name='Hills'", " name='RIDGE'",
       " filename=''", " index='-1'", " index='4294967296'", " max_high_scores='-7'",
       " max_high_scores='2147483647'", " score='-2147483648'", " score='99999999999'",
       " date='9223372036854775807'", " date='-99999999999999'", " date='abc'"});
  TestSupport::ScratchFolder folder(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
  Kest::SetDataFolder(folder.Folder());
  Platform::SetTraceFile(folder.Path("trace.log"));
  std::mt19937 random(17);
  const char* const tracks[] = {"Hills", "ridge", "levels\\x.lua", "Mountains"};
  const int scores[] = {-1, 0, 600, INT_MAX};
  int ranked = 0;
  Kest::TrackListModel model;
  for (int input = 0; input < kInputs; ++input) {
    folder.Write("tracklist.xml", mangler.Mangle(kTrackList, random));
    folder.Write("highscores.xml", mangler.Mangle(kHighScores, random));
    Kest::TrackList::Create();
    Kest::TrackList::GetInstance()->Load();
    model.getElementAt(int(random() % 5) - 1);
    Kest::XmlPathDocument document;
    Kest::scoreFinder finder;
    const char* track = tracks[random() % 4];
    const int rank = Kest::AddHighScore(document, finder, track, scores[random() % 4]);
    for (const Kest::HighScoreRecord& record : finder.scores) Kest::FormatScoreDate(record.date);
    if (rank >= 0) ranked += Kest::SaveHighScores(document, track, finder.scores);
  }
  Kest::TrackList::Destroy();
  Platform::SetTraceFile("vantrail.log");
  Kest::SetDataFolder("");
  EXPECT_GT(ranked, kInputs / 20) << "too few inputs still reach a table and save it";
}

}  // namespace
}  // namespace DataTest
