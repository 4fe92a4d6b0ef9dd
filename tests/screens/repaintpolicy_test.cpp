#include "game/screens/repaintpolicy.h"

#include <gtest/gtest.h>

namespace {

using Kest::RepaintPolicy;
using Mouse = RepaintPolicy::Mouse;

Mouse At(int x, int y, int buttons = 0, int wheel = 0) { return Mouse{x, y, buttons, wheel}; }

TEST(RepaintPolicy, TheFirstPassDraws) {
  RepaintPolicy policy;
  EXPECT_TRUE(policy.ShouldDraw(At(0, 0), false, 0));
}

TEST(RepaintPolicy, AStillPictureIsDrawnTwiceASecond) {
  RepaintPolicy policy;
  policy.Drawn(At(10, 10), 1000);
  EXPECT_FALSE(policy.ShouldDraw(At(10, 10), false, 1016));
  EXPECT_FALSE(policy.ShouldDraw(At(10, 10), false, 1499));
  EXPECT_TRUE(policy.ShouldDraw(At(10, 10), false, 1500));
}

TEST(RepaintPolicy, WhatMayChangeThePictureDraws) {
  struct Row {
    const char* what;
    Mouse mouse;
    bool contentChanged;
  };
  const Row rows[] = {
      {"mouse moved across", At(11, 10), false},
      {"mouse moved down", At(10, 11), false},
      {"button pressed", At(10, 10, 1), false},
      {"wheel turned", At(10, 10, 0, 1), false},
      {"the screen's content", At(10, 10), true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    RepaintPolicy policy;
    policy.Drawn(At(10, 10), 1000);
    EXPECT_TRUE(policy.ShouldDraw(row.mouse, row.contentChanged, 1016));
  }
}

TEST(RepaintPolicy, ResetDrawsAgainAsAnotherScreenMayHaveDrawnOverIt) {
  RepaintPolicy policy;
  policy.Drawn(At(10, 10), 1000);
  policy.Reset();
  EXPECT_TRUE(policy.ShouldDraw(At(10, 10), false, 1016));
}

TEST(RepaintPolicy, CountsTimeAcrossTheClocksWrap) {
  RepaintPolicy policy;
  policy.Drawn(At(0, 0), 0xFFFFFF00u);
  EXPECT_FALSE(policy.ShouldDraw(At(0, 0), false, 0x10u));
  EXPECT_TRUE(policy.ShouldDraw(At(0, 0), false, 0x100u + 500u));
}

}  // namespace
