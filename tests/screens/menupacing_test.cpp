// When a menu draws a frame, and how long it sleeps before the next.
#include <gtest/gtest.h>

#include <vector>

#include "game/screens/framepacer.h"
#include "game/screens/repaintpolicy.h"

namespace {

using Kest::RepaintPolicy;
using Mouse = RepaintPolicy::Mouse;

// Each row: when the pacer starts, how long each frame's own work takes, and
// the sleeps that follow. The clock moves only by the work and the sleeps.
TEST(FramePacer, SleepsTheRestOfEachSixteenMilliseconds) {
  struct Row {
    std::uint32_t start;
    std::vector<std::uint32_t> work;
    std::vector<std::uint32_t> sleeps;
  };
  const Row rows[] = {
      {1000, {0}, {16}},
      {1000, {5, 15, 16}, {11, 1}},
      {1000, {40, 6, 0}, {10, 16}},  // a slow frame does not hurry the next
      {0xFFFFFFFBu, {10}, {6}},      // across the clock's wrap
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.work.size());
    std::uint32_t now = row.start;
    std::vector<std::uint32_t> sleeps;
    Kest::FramePacer pacer([&] { return now; },
                           [&](std::uint32_t ms) {
                             sleeps.push_back(ms);
                             now += ms;
                           });
    for (std::uint32_t work : row.work) {
      now += work;
      pacer.WaitForFrame();
    }
    EXPECT_EQ(sleeps, row.sleeps);
  }
}

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
