#include "game/screens/repaintpolicy.h"

#include <gtest/gtest.h>

namespace {

using Kest::RepaintPolicy;
using Mouse = RepaintPolicy::Mouse;

// After a frame drawn at 1000 ms with the mouse at (10, 10), each row's
// pass: what the mouse does, whether the screen's content changed, when.
TEST(RepaintPolicy, DrawsOnlyWhenThePictureMayHaveChanged) {
  struct Row {
    const char* what;
    Mouse mouse;
    bool contentChanged;
    std::uint32_t now;
    bool draws;
  };
  const Row rows[] = {
      {"nothing", {10, 10, 0, 0}, false, 1016, false},
      {"nothing for a while", {10, 10, 0, 0}, false, 1499, false},
      {"nothing for half a second", {10, 10, 0, 0}, false, 1500, true},
      {"mouse moved across", {11, 10, 0, 0}, false, 1016, true},
      {"mouse moved down", {10, 11, 0, 0}, false, 1016, true},
      {"button pressed", {10, 10, 1, 0}, false, 1016, true},
      {"wheel turned", {10, 10, 0, 1}, false, 1016, true},
      {"the screen's content", {10, 10, 0, 0}, true, 1016, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    RepaintPolicy policy;
    EXPECT_TRUE(policy.ShouldDraw(row.mouse, false, 0)) << "nothing drawn yet";
    policy.Drawn(Mouse{10, 10, 0, 0}, 1000);
    EXPECT_EQ(policy.ShouldDraw(row.mouse, row.contentChanged, row.now), row.draws);
    policy.Reset();  // as when another screen drew over this one
    EXPECT_TRUE(policy.ShouldDraw(Mouse{10, 10, 0, 0}, false, 1016));
  }
}

TEST(RepaintPolicy, CountsTimeAcrossTheClocksWrap) {
  RepaintPolicy policy;
  policy.Drawn(Mouse{}, 0xFFFFFF00u);
  EXPECT_FALSE(policy.ShouldDraw(Mouse{}, false, 0x10u));
  EXPECT_TRUE(policy.ShouldDraw(Mouse{}, false, 0x100u + 500u));
}

}  // namespace
