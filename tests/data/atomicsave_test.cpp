#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/data/atomicfile.h"
#include "game/data/highscores.h"
#include "game/data/xmlpathdocument.h"
#include "tests/data/datafiles.h"
#include "tests/support/tracecapture.h"

namespace DataTest {
namespace {

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
TEST_F(DataFiles, ATableSaveKilledAtAnyMomentLeavesTheOldOrTheNewTable) {
  LoadTracks("<track name='Hills' filename='hills.lua' max_high_scores='5000'/>");
  Kest::XmlPathDocument document;
  Kest::scoreFinder finder;
  ASSERT_EQ(Kest::AddHighScore(document, finder, "Hills", 1), 0);
  int generation = 0;
  const auto save = [&] {
    const std::string name = ++generation % 2 ? "a" : "b";
    return Kest::SaveHighScores(document, "Hills", std::vector<Kest::HighScoreRecord>(kEntries, {name, 1, 10}));
  };
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

}  // namespace
}  // namespace DataTest
