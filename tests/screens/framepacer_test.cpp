#include "game/screens/framepacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A clock that only the test and the pacer's sleeps move.
struct FakeTime {
  std::uint32_t now = 0;
  std::vector<std::uint32_t> sleeps;

  Kest::FramePacer MakePacer() {
    return Kest::FramePacer([this] { return now; },
                            [this](std::uint32_t ms) {
                              sleeps.push_back(ms);
                              now += ms;
                            });
  }
};

// Each row: how long the frame's own work took, and the sleep that follows.
TEST(FramePacer, SleepsTheRestOfEachSixteenMilliseconds) {
  struct Row {
    std::uint32_t work;
    std::vector<std::uint32_t> sleeps;
  };
  const Row rows[] = {
      {0, {16}},
      {5, {11}},
      {15, {1}},
      {16, {}},
      {40, {}},  // a slow frame is not made up for by hurrying the next one
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.work);
    FakeTime time;
    time.now = 1000;
    Kest::FramePacer pacer = time.MakePacer();
    time.now += row.work;
    pacer.WaitForFrame();
    EXPECT_EQ(time.sleeps, row.sleeps);
  }
}

TEST(FramePacer, EachFrameCountsFromTheEndOfTheLast) {
  FakeTime time;
  Kest::FramePacer pacer = time.MakePacer();
  time.now += 40;
  pacer.WaitForFrame();
  time.now += 6;
  pacer.WaitForFrame();
  pacer.WaitForFrame();
  EXPECT_EQ(time.sleeps, (std::vector<std::uint32_t>{10, 16}));
}

TEST(FramePacer, KeepsPacingAcrossTheClocksWrap) {
  FakeTime time;
  time.now = 0xFFFFFFFBu;
  Kest::FramePacer pacer = time.MakePacer();
  time.now += 10;  // wraps to 5
  pacer.WaitForFrame();
  EXPECT_EQ(time.sleeps, (std::vector<std::uint32_t>{6}));
}

}  // namespace
