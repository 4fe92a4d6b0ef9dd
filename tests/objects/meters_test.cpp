#include <gtest/gtest.h>

#include <cmath>

#include "game/objects/meters.h"
#include "tests/support/scene.h"

namespace {

using MeterTest = TestSupport::Scene;

// The needle turns half a turn at most: the dial shows 0 to 1, whatever
// the bike's wheel does.
TEST_F(MeterTest, TheSpeedMeterHoldsItsValueToZeroToOne) {
  Kest::SpeedMeter meter;
  const struct {
    float given, shown;
  } cases[] = {{0.4f, 0.4f}, {1.0f, 1.0f}, {1.7f, 1.0f}, {-0.3f, 0.0f}, {INFINITY, 1.0f}, {NAN, 0.0f}};
  for (const auto& c : cases) {
    meter.SetValue(c.given);
    EXPECT_EQ(meter.GetValue(), c.shown) << c.given;
  }
}

}  // namespace
