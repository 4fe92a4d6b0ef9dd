#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/gamerun.h"

namespace {

// Without an X display the library cannot start: the game says so in its
// log and ends, where it used to go on to open a screen and crash.
TEST(GameStartup, WithoutADisplayTheGameEndsWithALogLine) {
  const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
  unsetenv("DISPLAY");
  TestSupport::GameRun game(VANTRAIL_STAGE_DIR, {"levels\\none.lua"});
  const int code = game.WaitForExit();
  setenv("DISPLAY", display.c_str(), 1);
  EXPECT_EQ(code, 1);
  const std::vector<std::string> log = game.LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "Starting the vantrail...");
  EXPECT_EQ(log.back().rfind("Cannot open the game's screen", 0), 0u) << log.back();
}

}  // namespace
