#include "game/data/highscores.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/data/atomicfile.h"
#include "game/data/savelock.h"
#include "game/data/xmlpathdocument.h"
#include "game/screens/trackselectlistmodel.h"
#include "tests/data/datafiles.h"
#include "tests/support/nestedxml.h"
#include "tests/support/tracecapture.h"

namespace DataTest {
namespace {

struct Stored { std::string name; int score; long date; };

class HighScores : public DataFiles {
 protected:
  HighScores() {
    LoadTracks("<track name='Hills' filename='hills.lua' max_high_scores='3'/>"
               "<track name='Long' filename='l.lua' max_high_scores='5000'/>"
               "<track name='None' filename='n.lua' max_high_scores='0'/>"
               "<track name='Negative' filename='neg.lua' max_high_scores='-2'/>");
  }
  void Store(const std::string& track, const std::vector<Stored>& scores) {
    std::string text = "<?xml version='1.0' encoding='UTF-8'?>\n<highscores><track name='" + track + "'>";
    for (const Stored& s : scores)
      text += "<score date='" + std::to_string(s.date) + "' name='" + s.name + "' score='" + std::to_string(s.score) + "'/>";
    folder.Write("highscores.xml", text + "</track></highscores>\n");
  }
  int Add(const std::string& track, int score) {
    finder = Kest::scoreFinder();
    return Kest::AddHighScore(document, finder, track, score);
  }
  std::vector<int> Scores() const {
    std::vector<int> scores;
    for (const Kest::HighScoreRecord& r : finder.scores) scores.push_back(r.score);
    return scores;
  }

  Kest::XmlPathDocument document;
  Kest::scoreFinder finder;
};

TEST_F(HighScores, ANewScoreTakesItsRankInAFullTable) {
  const struct {
    int score, rank;
    std::vector<int> table;
  } cases[] = {{600, 2, {900, 700, 600}}, {400, -1, {900, 700, 500}},
               {500, 2, {900, 700, 500}},  // ahead of the old 500, which drops out
               {1000, 0, {1000, 900, 700}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    Store("Hills", {{"Bo", 500, 30}, {"Al", 900, 10}, {"Cy", 700, 20}});
    const std::time_t before = std::time(nullptr);
    EXPECT_EQ(Add("Hills", c.score), c.rank);
    EXPECT_EQ(Scores(), c.table);
    if (c.rank < 0) continue;
    EXPECT_EQ(finder.scores[c.rank].name, "");
    EXPECT_GE(finder.scores[c.rank].date, before);
  }
}

// Of equal scores the later comes first, a new one before both; viewing reads
// and trims without adding, and names match in any case.
TEST_F(HighScores, EqualScoresAndViewing) {
  Store("Long", {{"older", 700, 100}, {"newer", 700, 200}, {"low", 50, 300}});
  EXPECT_EQ(Add("Long", -1), -1);
  EXPECT_EQ(finder.scores.at(0).name, "newer");
  EXPECT_EQ(Add("Long", 700), 0);
  EXPECT_EQ(Scores(), (std::vector<int>{700, 700, 700, 50}));
  folder.Write("highscores.xml", "<highscores><TRACK name='hILLS'><score score='1'/><score score='4'/>"
                                 "<score score='3'/><SCORE score='2'/></TRACK></highscores>");
  EXPECT_EQ(Add("Hills", -1), -1);
  EXPECT_EQ(Scores(), (std::vector<int>{4, 3, 2}));
}

// No table for a track that keeps no scores or is not in the track list.
TEST_F(HighScores, TracksWithoutATableLeaveTheFileAlone) {
  for (const char* track : {"None", "Negative", "Mountains"}) {
    SCOPED_TRACE(track);
    Store(track, {{"a", 10, 1}});
    const std::string before = folder.Read("highscores.xml");
    EXPECT_EQ(Add(track, 50), -1);
    EXPECT_TRUE(finder.scores.empty());
    EXPECT_EQ(folder.Read("highscores.xml"), before);
  }
}

TEST_F(HighScores, AFirstScoreGivesTheTrackItsElementInANewFile) {
  EXPECT_EQ(Add("Long", 120), 0);
  EXPECT_NE(folder.Read("highscores.xml").find("<track name=\"Long\" />"), std::string::npos);
  EXPECT_EQ(Add("Long", 130), 0) << "nothing was stored yet";
  EXPECT_EQ(Scores(), std::vector<int>{130});
}

// That saved tables read back, strange files too, the fuzz target's corpus checks.
TEST_F(HighScores, OnlyATrackWithATableIsSaved) {
  Store("Hills", {{"Al", 900, 10}});
  ASSERT_EQ(Add("Hills", 600), 1);
  const std::string before = folder.Read("highscores.xml");
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(Kest::SaveHighScores(document, "Mountains", finder.scores));
  EXPECT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(folder.Read("highscores.xml"), before);
}

TEST_F(HighScores, ABrokenFileIsKeptAsBadAndTheScoreStillCounts) {
  for (const std::string& broken : {std::string("<highscores><track name='Hills'><score score='9'></highscores>"),
                                    "<highscores><track name='Hills'>" + TestSupport::NestedElements() +
                                        "</track></highscores>"}) {
    folder.Write("highscores.xml", broken);
    TestSupport::TraceCapture trace;
    EXPECT_EQ(Add("Hills", 300), 0);
    EXPECT_EQ(folder.Read("highscores.xml.bad"), broken);
    EXPECT_EQ(trace.Count("kept as"), 1);
    std::remove(folder.Path("highscores.xml.bad").c_str());
  }
}

// A table that cannot be read is neither set aside nor written over.
TEST_F(HighScores, AFileThatCannotBeReadTakesNoScore) {
  ASSERT_EQ(symlink("/proc/self/mem", folder.Path("highscores.xml").c_str()), 0);
  for (int finish = 0; finish < 2; ++finish) EXPECT_EQ(Add("Hills", 300), -1);
  EXPECT_FALSE(Kest::SaveHighScores(document, "Hills", {{"Al", 1, 300}}));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"highscores.xml", "tracklist.xml"}));
  char target[32] = {};
  EXPECT_GT(readlink(folder.Path("highscores.xml").c_str(), target, sizeof target - 1), 0);
  EXPECT_STREQ(target, "/proc/self/mem");
}

TEST_F(HighScores, ASaveThatFailsIsReported) {
  Store("Hills", {{"Al", 900, 10}});
  ASSERT_EQ(Add("Hills", 600), 1);
  ASSERT_EQ(std::rename(folder.Path("highscores.xml").c_str(), folder.Path("old").c_str()), 0);
  std::filesystem::create_directories(folder.Path("highscores.xml/x"));
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(Kest::SaveHighScores(document, "Hills", finder.scores));
  EXPECT_EQ(trace.Count("Could not save"), 1);
}

// Two games in one folder, both on the result screen: the one that saves
// last reads the table again and keeps the other's new score.
TEST_F(HighScores, TwoGamesSavingOneTableKeepEachOthersScores) {
  Store("Hills", {{"Al", 900, 10}, {"Bo", 500, 20}});
  Kest::XmlPathDocument otherDocument;
  Kest::scoreFinder other;
  ASSERT_EQ(Kest::AddHighScore(otherDocument, other, "Hills", 700), 1);
  ASSERT_EQ(Add("Hills", 600), 1);
  other.scores[1].name = "Cy";
  ASSERT_TRUE(Kest::SaveHighScores(otherDocument, "Hills", other.scores));
  finder.scores[1].name = "Di";
  ASSERT_TRUE(Kest::SaveHighScores(document, "Hills", finder.scores));
  EXPECT_EQ(Add("Hills", -1), -1);
  EXPECT_EQ(Scores(), (std::vector<int>{900, 700, 600}));
  EXPECT_EQ(finder.scores[1].name + finder.scores[2].name, "CyDi");
}

// The sweep of what saves cut short leaves alone the file of a save that
// another game is making, and removes it once that game lets go.
TEST_F(HighScores, TheSweepLeavesASaveInProgressAlone) {
  Store("Hills", {});
  folder.Write("highscores.xml.saving-AbC123", "half");
  {
    const Kest::SaveLock saving(folder.Path("highscores.xml"), Kest::SaveLock::Wait::kNo);
    Add("Hills", -1);
    EXPECT_EQ(folder.Read("highscores.xml.saving-AbC123"), "half");
  }
  Add("Hills", -1);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"highscores.xml", "highscores.xml.lock", "tracklist.xml"}));
}

// The track dialog's rows come from one read of the file, which showing
// them never writes: the first element of a name counts, in any case.
TEST_F(HighScores, TheTrackRowsShowEachBestScoreAndWriteNothing) {
  folder.Write("highscores.xml", "<highscores><track name='hills'><score date='0' name='Al' score='5'/>"
                                 "<score date='0' name='Bo' score='9'/></track><track name='Hills'>"
                                 "<score name='Late' score='99'/></track><track name='None'><score score='1'/>"
                                 "</track></highscores>");
  const std::string before = folder.Read("highscores.xml");
  const UtcZone utc;
  Kest::TrackSelectListModel rows;
  EXPECT_EQ(rows.getElementAt(0), "Hills (High score: 9, Bo, Thu Jan  1 00:00:00 1970)");
  EXPECT_EQ(rows.getElementAt(1), "Long (No high score)");
  EXPECT_EQ(rows.getElementAt(2), "None (No high score)");
  EXPECT_EQ(folder.Read("highscores.xml"), before);
}

// The game's text is Latin-1, as its fonts draw it: a name keeps its
// letters across saves, whatever the encoding the file first had.
TEST_F(HighScores, NamesReadBackAsShownAcrossSaves) {
  const struct {
    std::string declaration, stored, shown;
  } cases[] = {{"encoding='ISO-8859-1'", "Zo\xEB", "Zo\xEB"}, {"encoding='latin1'", "\xC3\xAB", "\xC3\xAB"},
               {"encoding='UTF-8'", "Zo\xC3\xAB", "Zo\xEB"}, {"encoding='UTF8'", "Zo\xC3\xAB", "Zo\xEB"},
               {"encoding='UTF-8'", "Zo\xEB", "Zo\xEB"},  // not UTF-8 after all: read as Latin-1
               {"", "Zo\xC3\xAB", "Zo\xEB"},
               {"", "\xC3\xAB\xE2\x82\xAC", "\xEB?"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    folder.Write("highscores.xml", "<?xml version='1.0' " + c.declaration + "?>\n<highscores><track name='Hills'>"
                                   "<score date='1' name='" + c.stored + "' score='5'/></track></highscores>");
    for (int save = 0; save < 3; ++save) {
      ASSERT_EQ(Add("Hills", save), 1);
      EXPECT_EQ(finder.scores[0].name, c.shown) << "after " << save << " saves";
      finder.scores[1].name = "\xC4ke";  // typed with a letter of the fonts
      ASSERT_TRUE(Kest::SaveHighScores(document, "Hills", finder.scores));
      EXPECT_EQ(Add("Hills", -1), -1);
      EXPECT_EQ(finder.scores[1].name, "\xC4ke");
    }
  }
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndLeavesNothingElse) {
  TestSupport::ScratchFolder folder;
  const std::string path = folder.Write("table.xml", "old");
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(Kest::WriteFileAtomically(path, [](std::FILE* f) { std::fputs("half", f); return false; }));
  EXPECT_EQ(folder.Read("table.xml"), "old");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"table.xml"});
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_NE(trace.Lines()[0].find(path), std::string::npos);
}

// A saved file keeps the old one's permissions; a first one is readable by all.
TEST(AtomicFile, ASavedFileKeepsTheOldOnesPermissions) {
  TestSupport::ScratchFolder folder;
  const auto save = [](const std::string& path) {
    return Kest::WriteFileAtomically(path, [](std::FILE* f) { return std::fputs("new", f) >= 0; });
  };
  const auto mode = [](const std::string& path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_mode & 0777;
  };
  const std::string old = folder.Write("old.xml", "old");
  ASSERT_EQ(chmod(old.c_str(), 0664), 0);
  ASSERT_TRUE(save(old));
  EXPECT_EQ(mode(old), 0664u);
  ASSERT_TRUE(save(folder.Path("new.xml")));
  EXPECT_EQ(mode(folder.Path("new.xml")), 0644u);
  const std::string readOnly = folder.Write("readonly.xml", "old");  // made so by the player: kept
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(save(readOnly));
  EXPECT_EQ(folder.Read("readonly.xml"), "old");
  EXPECT_EQ(trace.Count("read-only"), 1);
}

// A file-size limit (ulimit -f) below the file's size fails the save, as
// a full disk would, instead of ending the game.
TEST(AtomicFile, AWritePastTheFileSizeLimitFailsAndTheGameGoesOn) {
  TestSupport::ScratchFolder folder;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{4096, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &limit);
    TestSupport::TraceCapture trace;
    const std::string text(65536, 'x');
    const bool saved = Kest::WriteFileAtomically(folder.Path("big.xml"), [&text](std::FILE* f) {
      return std::fwrite(text.data(), 1, text.size(), f) == text.size();
    });
    _exit(!saved && trace.Count("File too large") == 1 ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_TRUE(folder.Names().empty());
}

constexpr std::size_t kEntries = 3000;

// The one name of all the track's entries when the file holds all of them.
std::string WholeTableName(const std::string& path) {
  Kest::XmlPathDocument document;
  if (!document.Load(path) || !document.GoTo("/highscores/track")) return "";
  std::set<std::string> names;
  std::size_t count = 0;
  for (TiXmlElement* e = document.GetCurrentNode()->FirstChildElement(); e; e = e->NextSiblingElement(), ++count)
    names.insert(e->Attribute("name") ? e->Attribute("name") : "");
  return count == kEntries && names.size() == 1 ? *names.begin() : "";
}

// Saves the table over and over in a child process, killed at 200 random
// moments within the time of a few saves: the file is always whole.
TEST_F(HighScores, ATableSaveKilledAtAnyMomentLeavesTheOldOrTheNewTable) {
  ASSERT_EQ(Add("Long", 1), 0);
  int generation = 0;
  const auto save = [&] {
    const std::string name = ++generation % 2 ? "a" : "b";
    return Kest::SaveHighScores(document, "Long", std::vector<Kest::HighScoreRecord>(kEntries, {name, 1, 10}));
  };
  ASSERT_TRUE(save());  // the next saves read a full table back first: the time of one of them
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(save());
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::mt19937 random(20261207);
  std::uniform_int_distribution<long> delay(0, 3 * took.count() + 1000);
  std::set<std::string> seen;
  for (int round = 0; round < 200; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) for (;;) save();
    usleep(delay(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string name = WholeTableName(folder.Path("highscores.xml"));
    ASSERT_TRUE(WIFSIGNALED(status) && !name.empty()) << "torn in round " << round;
    seen.insert(name);
  }
  EXPECT_EQ(seen.size(), 2u) << "the kills fell after saves of both tables";
}

TEST(ScoreDate, DatesReadAsTheCalendarShowsThem) {
  const UtcZone utc;
  std::tm year999{};
  year999.tm_year = 999 - 1900;
  year999.tm_mday = 1;
  const std::pair<std::time_t, const char*> cases[] = {
      {0, "Thu Jan  1 00:00:00 1970"}, {1700000000, "Tue Nov 14 22:13:20 2023"},
      {timegm(&year999), "Tue Jan  1 00:00:00 999"},  // shorter: no line feed left over
      {std::time_t(1) << 60, "unknown date"}};
  for (const auto& c : cases) EXPECT_EQ(Kest::FormatScoreDate(c.first), c.second) << c.first;
}

}  // namespace
}  // namespace DataTest
