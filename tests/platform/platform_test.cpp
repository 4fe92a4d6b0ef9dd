#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/trace.h"

namespace {

TEST(Platform, CommandLineIsTheArgumentsJoinedBySpaces) {
  const char* none[] = {"vantrail"};
  EXPECT_EQ(Platform::JoinArguments(1, none), "");
  const char* two[] = {"vantrail", "levels\\my", "track.lua"};
  EXPECT_EQ(Platform::JoinArguments(3, two), "levels\\my track.lua");
}

TEST(Platform, BackslashesBecomeSlashesOnlyInTheNativePath) {
  EXPECT_EQ(Platform::ToNativePath("res\\moto.png"), "res/moto.png");
  EXPECT_EQ(Platform::ToNativePath("levels/a\\b.lua"), "levels/a/b.lua");
  EXPECT_EQ(Platform::ToNativePath("\\res\\\\a\\"), "/res//a/");
}

TEST(Platform, ClockCountsMillisecondsAcrossASleep) {
  const std::uint32_t before = Platform::Milliseconds();
  Platform::SleepMilliseconds(60);
  const std::uint32_t slept = Platform::Milliseconds() - before;  // unsigned: survives a wrap
  EXPECT_GE(slept, 60u);
  EXPECT_LT(slept, 600u);
}

// A line of exactly the longest length is kept whole, with or without its
// line feed; one byte more and it is cut there.
TEST(TraceLog, ALineIsCutOnlyPastTheLongestLength) {
  const std::string path = ::testing::TempDir() + "platform_trace.log";
  Platform::SetTraceFile(path);
  const std::string longest(Platform::kMostTraceLineBytes, 'x');
  Platform::Trace(longest);
  Platform::Trace(longest + "\n");
  Platform::Trace(longest + "y");
  std::vector<std::string> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{longest, longest, longest + Platform::kCutMark}));
  std::remove(path.c_str());
}

}  // namespace
