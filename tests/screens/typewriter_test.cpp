#include "game/screens/typewriter.h"

#include <gtest/gtest.h>

namespace {

using Kest::Typewriter;
using Lines = std::vector<std::string>;

// Passes until the shown text changes; -1 when it did not within the limit.
int PassesUntilTyped(Typewriter& typewriter, float factor, int limit = 1000) {
  for (int pass = 1; pass <= limit; ++pass) {
    if (typewriter.Advance(factor)) return pass;
  }
  return -1;
}

// A character comes once the summed factors pass 20, not when they reach it.
TEST(Typewriter, TheTypingSpeedFollowsTheFrameTimeFactor) {
  struct Row {
    float factor;  // 100 frames a second over the measured rate
    int passes;
  };
  const Row rows[] = {{1.0f, 21}, {2.0f, 11}, {0.5f, 41}, {25.0f, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.factor);
    Typewriter typewriter({"ab"});
    EXPECT_EQ(PassesUntilTyped(typewriter, row.factor), row.passes);
    EXPECT_EQ(typewriter.Shown(), Lines{"a"});
    EXPECT_EQ(PassesUntilTyped(typewriter, row.factor), row.passes);
    EXPECT_EQ(typewriter.Shown(), Lines{"ab"});
  }
}

// A finished line takes one pass of its own; the next line starts in its own place. After the last line every line is
// cleared in one pass and the typing starts again.
TEST(Typewriter, LinesAreTypedOneAfterTheOtherThenClearedAndTypedAgain) {
  Typewriter typewriter({"a", "b"});
  EXPECT_EQ(PassesUntilTyped(typewriter, 10.0f), 3);
  EXPECT_FALSE(typewriter.Advance(10.0f));
  EXPECT_EQ(PassesUntilTyped(typewriter, 10.0f), 3);
  EXPECT_EQ(typewriter.Shown(), (Lines{"a", "b"}));
  EXPECT_TRUE(typewriter.Advance(10.0f));
  EXPECT_EQ(typewriter.Shown(), (Lines{"", ""}));
  EXPECT_EQ(PassesUntilTyped(typewriter, 10.0f), 3);
  EXPECT_EQ(typewriter.Shown(), (Lines{"a", ""}));
}

}  // namespace
