#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "game/utility/utility.h"
#include "platform/trace.h"
#include "tests/support/tracecapture.h"

namespace {

using Lines = std::vector<std::string>;

// One line per message, with or without its line feed, written verbatim
// and whole however long; the file is truncated at the first message of a
// run.
TEST(TraceLog, OneWholeVerbatimLinePerMessage) {
  TestSupport::TraceCapture trace;
  Kest::Log("from an earlier run");
  Platform::SetTraceFile(trace.Path());  // as if the program started again
  const std::string longMessage(5000, 'x');
  Kest::Log("Starting the vantrail...");
  Kest::Log("Starting the vantrail...\n");
  Kest::Log("100% done %s %d");
  Kest::Log(longMessage);
  EXPECT_EQ(trace.Lines(), (Lines{"Starting the vantrail...", "Starting the vantrail...", "100% done %s %d", longMessage}));
}

TEST(TraceLog, LinesFromManyThreadsStayWhole) {
  TestSupport::TraceCapture trace;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < 200; ++i) Kest::Log(std::string(100, char('a' + t)));
    });
  for (std::thread& thread : threads) thread.join();
  const Lines lines = trace.Lines();
  ASSERT_EQ(lines.size(), 800u);
  for (const std::string& line : lines) EXPECT_EQ(line, std::string(100, line[0]));
}

}  // namespace
