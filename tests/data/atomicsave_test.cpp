#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "game/data/atomicfile.h"
#include "game/data/xmlpathdocument.h"
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

TEST(AtomicFile, AWriteIntoAMissingFolderFails) {
  TestSupport::ScratchFolder folder;
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(Kest::WriteFileAtomically(folder.Path("none/table.xml"),
                                         [](std::FILE*) { return true; }));
  EXPECT_EQ(trace.Lines().size(), 1u);
}

// One row whose padding is long enough that writing it takes a while.
constexpr std::size_t kPadding = 256 * 1024;

std::string TableText(const std::string& generation) {
  return "<?xml version='1.0'?>\n<table><row gen='" + generation + "' pad='" +
         std::string(kPadding, 'p') + "'/></table>\n";
}

// The child: saves the table over and over with a new generation each time,
// until it is killed.
[[noreturn]] void SaveForever(const std::string& path) {
  Kest::XmlPathDocument document;
  if (!document.Load(path) || !document.GoTo("/table")) _exit(1);
  const std::string padding(kPadding, 'p');
  for (long generation = 0;; ++generation) {
    document.ClearNode();
    document.PushNode();
    document.AddElement("row", {{"gen", std::to_string(generation)}, {"pad", padding}});
    document.PopNode();
  }
}

// Whole: it parses, and its one row has all of its padding.
bool IsWholeTable(const std::string& path) {
  Kest::XmlPathDocument document;
  if (!document.Load(path) || !document.GoTo("/table/row")) return false;
  const char* pad = document.GetCurrentNode()->ToElement()->Attribute("pad");
  return pad && std::string(pad).size() == kPadding &&
         document.GetCurrentNode()->NextSibling() == nullptr;
}

TEST(AtomicFile, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewTable) {
  TestSupport::ScratchFolder folder;
  const std::string path = folder.Write("table.xml", TableText("old"));
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
  int saved = 0;
  for (int round = 0; round < 200; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(path);
    usleep(delayMicroseconds(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself in round " << round;
    ASSERT_TRUE(IsWholeTable(path)) << "torn table after round " << round;
    Kest::XmlPathDocument document;
    document.Load(path);
    document.GoTo("/table/row");
    saved += std::string(document.GetCurrentNode()->ToElement()->Attribute("gen")) != "old";
  }
  // The kills fell both before and after saves had landed.
  EXPECT_GT(saved, 0);
}

}  // namespace
}  // namespace DataTest
