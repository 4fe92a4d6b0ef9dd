#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
}

TEST(Platform, EnvironmentAndExecutableFolder) {
  Platform::SetEnvironment("VANTRAIL_TEST_VAR", "vantrail.log");
  EXPECT_STREQ(std::getenv("VANTRAIL_TEST_VAR"), "vantrail.log");
  const std::string dir = Platform::ExecutableDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_EQ(dir.front(), '/');
}

TEST(Platform, ClockMovesForward) {
  const std::uint32_t a = Platform::Milliseconds();
  const std::uint32_t b = Platform::Milliseconds();
  EXPECT_LT(std::uint32_t(b - a), 1000u);  // unsigned difference survives a wrap
}

}  // namespace
