#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/data/atomicfile.h"
#include "game/data/highscores.h"
#include "game/data/xmlpathdocument.h"
#include "tests/data/datafiles.h"
#include "tests/support/scratchfolder.h"
#include "tests/support/tracecapture.h"

namespace DataTest {
namespace {

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndLeavesNothingElse) {
  TestSupport::ScratchFolder folder;
  const std::string path = folder.Write("table.xml", "old");
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(Kest::WriteFileAtomically(path, [](std::FILE* file) {
    std::fputs("half of the new", file);
    return false;
  }));
  EXPECT_EQ(folder.Read("table.xml"), "old");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"table.xml"});
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_NE(trace.Lines()[0].find(path), std::string::npos);
}

// Only what a save of that very file left goes; a player's own copies stay.
TEST(AtomicFile, OnlyTheTemporariesOfCutShortSavesOfTheFileAreRemoved) {
  TestSupport::ScratchFolder folder;
  const std::vector<std::string> kept = {"table.xml", "table.xml.bad", "table.xml.backup",
                                         "table.xml.saving-1234567", "other.xml.saving-Ab12Cd"};
  for (const std::string& name : kept) folder.Write(name, "x");
  folder.Write("table.xml.saving-Ab12Cd", "half");
  folder.Write("table.xml.saving-zZ9yY8", "");
  TestSupport::TraceCapture trace;
  Kest::RemoveUnfinishedSaves(folder.Path("table.xml"));
  std::vector<std::string> sorted = kept;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(folder.Names(), sorted);
  EXPECT_EQ(trace.Lines().size(), 2u);
}

// Times one save, then runs save over and over in a child process and kills
// it at 200 random moments within the time of a few saves. Returns the
// first round after which the file was not whole, or -1. contentOf names
// what the file holds, empty when it is not whole; seen collects the names.
int FirstTornRound(const std::function<void()>& save,
                   const std::function<std::string()>& contentOf, std::set<std::string>& seen) {
  const auto start = std::chrono::steady_clock::now();
  save();
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - start);
  std::mt19937 random(20261207);
  std::uniform_int_distribution<long> delayMicroseconds(0, 3 * took.count() + 1000);
  for (int round = 0; round < 200; ++round) {
    const pid_t child = fork();
    if (child < 0) return round;
    if (child == 0) {
      for (;;) save();
    }
    usleep(delayMicroseconds(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string content = contentOf();
    if (!WIFSIGNALED(status) || content.empty()) return round;
    seen.insert(content);
  }
  return -1;
}

// One row whose padding is long enough that writing it takes a while.
constexpr std::size_t kPadding = 256 * 1024;

std::string RowOf(const std::string& path, const char* attribute) {
  Kest::XmlPathDocument document;
  if (!document.Load(path) || !document.GoTo("/table/row")) return "";
  const char* value = document.GetCurrentNode()->ToElement()->Attribute(attribute);
  return document.GetCurrentNode()->NextSibling() || !value ? "" : value;
}

TEST(AtomicFile, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  TestSupport::ScratchFolder folder;
  const std::string path = folder.Write(
      "table.xml", "<?xml version='1.0'?>\n<table><row gen='old' pad='" +
                       std::string(kPadding, 'p') + "'/></table>\n");
  Kest::XmlPathDocument document;
  ASSERT_TRUE(document.Load(path) && document.GoTo("/table"));
  long generation = 0;
  const auto save = [&] {
    document.ClearNode();
    document.PushNode();
    document.AddElement("row", {{"gen", std::to_string(++generation)},
                                {"pad", std::string(kPadding, 'p')}});
    document.PopNode();
  };
  const auto rowGeneration = [&] {
    return RowOf(path, "pad").size() == kPadding ? RowOf(path, "gen") : std::string();
  };
  std::set<std::string> seen;
  EXPECT_EQ(FirstTornRound(save, rowGeneration, seen), -1);
  EXPECT_GT(seen.size(), 1u) << "no kill fell after a save of the child";
}

class TableSave : public DataFiles {};

// Every entry of the track's table bears the same name, and there are all
// of them.
std::string WholeTableName(const std::string& path, std::size_t entries) {
  Kest::XmlPathDocument document;
  if (!document.Load(path) || !document.GoTo("/highscores/track")) return "";
  std::set<std::string> names;
  std::size_t count = 0;
  for (TiXmlElement* e = document.GetCurrentNode()->FirstChildElement(); e; e = e->NextSiblingElement()) {
    names.insert(e->Attribute("name") ? e->Attribute("name") : "");
    ++count;
  }
  return count == entries && names.size() == 1 ? *names.begin() : "";
}

TEST_F(TableSave, ATableSaveKilledAtAnyMomentLeavesTheOldOrTheNewTable) {
  constexpr int kEntries = 3000;
  LoadTracks("<track name='Hills' filename='hills.lua' max_high_scores='5000'/>");
  const auto tableOf = [](const std::string& name) {
    return std::vector<Kest::HighScoreRecord>(kEntries, Kest::HighScoreRecord{name, 1, 10});
  };
  Kest::XmlPathDocument document;
  Kest::scoreFinder finder;
  ASSERT_EQ(Kest::AddHighScore(document, finder, "Hills", 1), 0);
  ASSERT_TRUE(Kest::SaveHighScores(document, "Hills", tableOf("old")));
  const std::string path = folder.Path("highscores.xml");
  int generation = 0;
  const auto save = [&] {
    Kest::SaveHighScores(document, "Hills", tableOf(++generation % 2 ? "a" : "b"));
  };
  std::set<std::string> seen;
  EXPECT_EQ(FirstTornRound(save, [&] { return WholeTableName(path, kEntries); }, seen), -1);
  EXPECT_EQ(seen.size(), 2u) << "the kills fell after saves of both tables";

  // The next read finds the table whole and clears what the saves cut short
  // left beside it.
  TestSupport::TraceCapture trace;
  finder = Kest::scoreFinder();
  EXPECT_EQ(Kest::AddHighScore(document, finder, "Hills", -1), -1);
  EXPECT_EQ(finder.scores.size(), std::size_t(kEntries));
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"highscores.xml", "tracklist.xml"}));
  EXPECT_FALSE(trace.Lines().empty()) << "some kills fell inside a save";
}

}  // namespace
}  // namespace DataTest
