// The shipped speed dial: along its whole range the needle stays on the half of the dial the screen shows and points
// at the tick ring.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "game/objects/bitmapobject.h"
#include "game/objects/meters.h"
#include "platform/platform.h"
#include "tests/support/glscreen/screen.h"
#include "tests/support/screen.h"

namespace {

using namespace TestSupport;

// Where the game hangs the dial and turns the needle, and the band of radii the dial's ticks take.
constexpr int kDialX = 110, kDialW = 128, kDialH = 64;
constexpr float kPivotX = 174.0f;
constexpr float kTicksInner = 26.0f, kTicksOuter = 37.0f;
constexpr float kPi = 3.14159265f;

void UseShippedImage(const std::string& file) {
  const std::filesystem::path target = Platform::ExecutableDirectory() + "res/" + file;
  std::filesystem::create_directories(target.parent_path());
  std::filesystem::copy_file(std::string(VANTRAIL_SOURCE_DIR) + "/res/" + file, target,
                             std::filesystem::copy_options::overwrite_existing);
}

// The dial's box, rows top first, one RGB sum per pixel.
std::vector<int> ReadDial() {
  const std::vector<unsigned char> bytes = GlSupport::ReadArea(kDialX, 0, kDialW, kDialH);
  std::vector<int> sums(bytes.size() / 4);
  for (int row = 0; row < kDialH; ++row)
    for (int col = 0; col < kDialW; ++col) {
      const unsigned char* p = &bytes[((kDialH - 1 - row) * kDialW + col) * 4];
      sums[row * kDialW + col] = p[0] + p[1] + p[2];
    }
  return sums;
}

struct Tip {
  float radius = 0.0f, angle = 0.0f;  // angle clockwise from +x, screen y down
  bool onDial = false;
};

// The needle's pixels are those that differ from the bare dial; its tip is the one farthest from the pivot.
Tip FindTip(const std::vector<int>& withNeedle, const std::vector<int>& bare) {
  Tip tip;
  for (int row = 0; row < kDialH; ++row)
    for (int col = 0; col < kDialW; ++col) {
      const int i = row * kDialW + col;
      if (std::abs(withNeedle[i] - bare[i]) < 60) continue;
      const float dx = kDialX + col + 0.5f - kPivotX, dy = row + 0.5f;
      const float radius = std::hypot(dx, dy);
      if (radius <= tip.radius) continue;
      tip = Tip{radius, std::atan2(dy, dx), bare[i] > 0};
    }
  return tip;
}

using SpeedDial = ScreenTest;

TEST_F(SpeedDial, NeedleSweepsTheVisibleHalfAndReachesTheTicks) {
  UseShippedImage("speedmeter.png");
  UseShippedImage("speedmeterneedle.png");
  auto* bare = new Kest::Bitmap(kDialX, 0, "res\\speedmeter.png");
  bare->SetScreenRelative(true);
  Level().Insert(bare, -9999);
  Draw();
  const std::vector<int> dial = ReadDial();
  Level().Clear();
  auto* meter = new Kest::SpeedMeter();
  Level().Insert(meter, -9999);
  for (float value : {0.0f, 0.5f, 1.0f}) {
    meter->SetValue(value);
    Draw();
    const Tip tip = FindTip(ReadDial(), dial);
    EXPECT_GE(tip.radius, kTicksInner) << "value " << value;
    EXPECT_LE(tip.radius, kTicksOuter) << "value " << value;
    EXPECT_NEAR(tip.angle, (1.0f - value) * kPi, 0.15f) << "value " << value;  // from the left end down to the right
    EXPECT_TRUE(tip.onDial) << "value " << value;
  }
}

}  // namespace
