#include "game/screens/framepacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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

}  // namespace
