#include "game/app/fader.h"

#include <gtest/gtest.h>

namespace {

TEST(FaderFromBlack, BrightensByOnePointTwoLevelsAMillisecond) {
  Kest::FaderFromBlack fader;
  EXPECT_EQ(fader.advance(100.0f), 120);
  EXPECT_EQ(fader.advance(100.0f), 240);
  EXPECT_FALSE(fader.isDone());
  EXPECT_EQ(fader.advance(100.0f), 255);
  EXPECT_TRUE(fader.isDone());
}

TEST(FaderFromBlack, FullBrightnessAfterAbout212MillisecondsOfFrames) {
  Kest::FaderFromBlack fader;
  int milliseconds = 0;
  while (!fader.isDone()) {
    fader.advance(1.0f);
    ++milliseconds;
  }
  EXPECT_EQ(milliseconds, 213);
}

}  // namespace
