#include "game/utility/utility.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "game/utility/heldtext.h"
#include "platform/trace.h"
#include "tests/support/tracecapture.h"

namespace {

// Halves go up and negatives truncate toward zero; large scores do not
// overflow on the way.
TEST(Round, HalvesGoUpAndNegativesTruncateTowardZero) {
  const float cases[][2] = {{2.5f, 3}, {2.4f, 2}, {0.49999f, 0}, {0.5f, 1}, {-0.7f, 0}, {-1.7f, -1}, {3e9f, 3e9f}};
  for (const auto& c : cases) EXPECT_EQ(Kest::Round(c[0]), c[1]) << c[0];
}

// Including bounds where the float arithmetic rounds past the far end for
// the largest draw.
TEST(RandomRange, StaysWithinBounds) {
  std::srand(7);
  for (const auto bounds : {ol::Vec2(-10.0f, 10.0f), ol::Vec2(55.7179f, -77.574501f)}) {
    for (int i = 0; i < 200000; ++i) {
      const float v = Kest::RandomRange(bounds.x, bounds.y);
      ASSERT_TRUE(v >= std::fmin(bounds.x, bounds.y) && v <= std::fmax(bounds.x, bounds.y)) << v;
    }
  }
}

TEST(Points, BoxesIncludeTheirEdgesAndRejectNaN) {
  const ol::Vec2 min(0, 0), max(10, 5);
  EXPECT_TRUE(Kest::IsInBox(min, max, ol::Vec2(0, 0)));
  EXPECT_TRUE(Kest::IsInBox(min, max, ol::Vec2(10, 5)));
  EXPECT_FALSE(Kest::IsInBox(min, max, ol::Vec2(10.001f, 5)));
  EXPECT_FALSE(Kest::IsInBox(min, max, ol::Vec2(std::nanf(""), 1)));
  EXPECT_FALSE(Kest::IsSamePoint(ol::Vec2(1, 2), ol::Vec2(1, 2.0001f)));
  // A quarter turn about z, as the solver stores it (3 rows of 4).
  const float m[12] = {0, -1, 0, 99, 1, 0, 0, 99, 0, 0, 1, 99};
  const ol::Vec2 r = Kest::RotatePoint(ol::Vec2(2, 3), m);
  EXPECT_FLOAT_EQ(r.x, -3);
  EXPECT_FLOAT_EQ(r.y, 2);
}

TEST(Conversions, TextToBoolAndNumbersAndBack) {
  for (const char* yes : {"TRUE", "true", "1"}) EXPECT_TRUE(Kest::ParseBool(yes)) << yes;
  for (const char* no : {"True", "", "yes", " 1"}) EXPECT_FALSE(Kest::ParseBool(no)) << no;
  EXPECT_EQ(Kest::StringToInt("  42abc"), 42);
  EXPECT_EQ(Kest::StringToInt("-3"), -3);
  EXPECT_EQ(Kest::StringToInt("abc"), 0);
  EXPECT_EQ(Kest::StringToInt("3000000000"), INT_MAX);
  EXPECT_EQ(Kest::StringToInt("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(Kest::StringToNumber<unsigned long>("1700000000"), 1700000000ul);
  EXPECT_EQ(Kest::StringToNumber<unsigned>(""), 0u);
  EXPECT_EQ(Kest::ToString(0.5f), "0.5");
  EXPECT_EQ(Kest::ToString(4000000000u), "4000000000");
}

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
  EXPECT_EQ(trace.Lines(), (std::vector<std::string>{"Starting the vantrail...", "Starting the vantrail...", "100% done %s %d", longMessage}));
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

// A held text counts its bytes while it lives, however it is copied, moved,
// assigned or kept as a key.
TEST(HeldText, CountsItsBytesWhileItLives) {
  const std::size_t before = Kest::HeldText::GetTotalBytes();
  {
    Kest::HeldText a(std::string(100, 'a'));
    Kest::HeldText b = a;
    Kest::HeldText c = std::move(a);
    b = std::string(10, 'b');
    c = c;
    Kest::HeldTextMap<int> keys;
    keys.emplace(std::string(1000, 'k'), 1);
    EXPECT_EQ(keys.count(std::string(1000, 'k')), 1u);
    EXPECT_EQ(Kest::HeldText::GetTotalBytes() - before, 1110u);
  }
  EXPECT_EQ(Kest::HeldText::GetTotalBytes(), before);
}

// A script can log without end: a line is cut at its longest length, and
// the file stops at its size with one line saying so.
TEST(TraceLog, LinesAndFileAreBounded) {
  TestSupport::TraceCapture trace;
  Kest::Log(std::string(Platform::kMostTraceLineBytes + 1000, 'y') + "\n");
  const std::string line(1000, 'z');
  for (std::size_t written = 0; written < 2 * Platform::kMostTraceFileBytes; written += line.size())
    Kest::Log(line);
  const std::vector<std::string> lines = trace.Lines();
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(Platform::kMostTraceLineBytes, 'y') + Platform::kCutMark);
  EXPECT_EQ(lines[1], line);
  EXPECT_EQ(lines.back(), Platform::kTraceFullLine);
  EXPECT_EQ(trace.Count(Platform::kTraceFullLine), 1);
  std::ifstream file(trace.Path(), std::ios::ate);
  EXPECT_LE(std::size_t(file.tellg()), Platform::kMostTraceFileBytes + 100);
  EXPECT_GT(std::size_t(file.tellg()), Platform::kMostTraceFileBytes - line.size());
}

}  // namespace
