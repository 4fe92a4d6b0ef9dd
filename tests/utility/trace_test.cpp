#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "game/utility/utility.h"
#include "platform/trace.h"
#include "tests/support/tracecapture.h"

namespace {

TEST(TraceLog, OneLineWhetherOrNotTheTextEndsWithALineFeed) {
  TestSupport::TraceCapture trace;
  Kest::Log("Starting the vantrail...");
  Kest::Log("Starting the vantrail...\n");
  Kest::Log("100% done %s %d");
  const std::vector<std::string> lines = trace.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], lines[1]);
  EXPECT_EQ(lines[2], "100% done %s %d");
}

TEST(TraceLog, LongMessagesAreWrittenWhole) {
  TestSupport::TraceCapture trace;
  const std::string message(5000, 'x');
  Kest::Log(message);
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(trace.Lines()[0], message);
}

TEST(TraceLog, TruncatedOnceAtTheFirstMessageOfARun) {
  TestSupport::TraceCapture trace;
  Kest::Log("from an earlier run");
  Platform::SetTraceFile(trace.Path());  // as if the program started again
  Kest::Log("first");
  Kest::Log("second");
  EXPECT_EQ(trace.Lines(), (std::vector<std::string>{"first", "second"}));
}

TEST(TraceLog, LinesFromManyThreadsStayWhole) {
  TestSupport::TraceCapture trace;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < 200; ++i) Kest::Log(std::string(100, char('a' + t)));
    });
  for (std::thread& thread : threads) thread.join();
  const std::vector<std::string> lines = trace.Lines();
  ASSERT_EQ(lines.size(), 800u);
  for (const std::string& line : lines) EXPECT_EQ(line, std::string(100, line[0]));
}

}  // namespace
