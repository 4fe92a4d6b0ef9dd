#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

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

}  // namespace
