#include "render/fpscounter.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// The meter's clock is the library's millisecond timer: a measurement comes
// once the window has passed.
TEST(FpsCounter, MeasuresAgainstTheLibraryTimer) {
  ol::FpsCounter::Start(100.0f);
  float factor = 0.0f;
  for (int frame = 0; frame < 500 && factor == 0.0f; ++frame) {
    rest(2);
    factor = ol::FpsCounter::CountFrame();
  }
  EXPECT_GT(factor, 0.0f);
  EXPECT_TRUE(std::isfinite(factor));
}

}  // namespace
