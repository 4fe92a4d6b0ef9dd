#include "render/fpsmeter.h"

#include <gtest/gtest.h>

namespace {

// Runs frames at a steady rate: each frame the clock moves on by msPerFrame.
float RunFrames(ol::FpsMeter& meter, int frames, int msPerFrame) {
  float factor = 0.0f;
  for (int i = 0; i < frames; ++i) {
    for (int t = 0; t < msPerFrame; ++t) meter.Tick();
    factor = meter.CountFrame();
  }
  return factor;
}

// The first measurement comes after the window and, with nothing to compare, halves it.
TEST(FpsMeter, WindowGrowsWhileSteadyAndShrinksOnJumps) {
  ol::FpsMeter meter;
  meter.Start(100.0f);
  EXPECT_EQ(RunFrames(meter, 50, 10), 0.0f);
  EXPECT_FLOAT_EQ(RunFrames(meter, 1, 10), 1.0f);
  EXPECT_FLOAT_EQ(meter.MeasuredFps(), 100.0f);
  ASSERT_EQ(meter.Window(), 25);
  RunFrames(meter, 26, 10);
  EXPECT_EQ(meter.Window(), 50);
  RunFrames(meter, 51, 10);
  EXPECT_EQ(meter.Window(), 50) << "never above the maximum";

  // The rate falls by 40 %: 100 fps to 60 fps (frames of 16.67 ms, given as
  // 51 frames over 850 ms).
  for (int i = 0; i < 51; ++i) meter.Tick();
  for (int t = 0; t < 850 - 51; ++t) meter.Tick();
  float factor = 0.0f;
  for (int i = 0; i < 51; ++i) factor = meter.CountFrame();
  EXPECT_FLOAT_EQ(factor, 100.0f / 60.0f);
  EXPECT_EQ(meter.Window(), 25);

  // Alternating jumps keep halving it down to the minimum.
  const int rates[] = {10, 20, 10, 20};
  for (int ms : rates) RunFrames(meter, meter.Window() + 1, ms);
  EXPECT_EQ(meter.Window(), 10);
}

// A rise from 50 to 100 fps is a jump too; Pause holds the factor; Start begins afresh.
TEST(FpsMeter, RiseIsAJumpAndPauseHoldsTheFactor) {
  ol::FpsMeter meter;
  meter.Start(100.0f);
  RunFrames(meter, 77, 20);
  ASSERT_EQ(meter.Window(), 50);
  EXPECT_FLOAT_EQ(RunFrames(meter, 51, 10), 1.0f);
  EXPECT_EQ(meter.Window(), 25);
  meter.Start(100.0f);
  const float factor = RunFrames(meter, 51, 20);
  meter.Pause();
  EXPECT_EQ(RunFrames(meter, 200, 5), factor);
  meter.Start(100.0f);
  EXPECT_EQ(meter.Window(), 50);
  EXPECT_EQ(RunFrames(meter, 50, 5), factor) << "the old factor until a new measurement";
  EXPECT_FLOAT_EQ(RunFrames(meter, 1, 5), 0.5f);
}

TEST(FpsMeter, NoMeasurementBeforeTheClockTicked) {
  ol::FpsMeter meter;
  meter.Start(100.0f);
  EXPECT_EQ(RunFrames(meter, 60, 0), 0.0f);
  meter.Tick();  // measures all 61 frames counted so far
  EXPECT_FLOAT_EQ(meter.CountFrame(), 100.0f / 61000.0f);
}

}  // namespace
