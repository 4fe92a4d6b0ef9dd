// The decorations lit by the bike: the colours of a glowing block's cells
// and the shades of a shaded picture's corners, by distance.
#include <gtest/gtest.h>

#include <limits>

#include "game/objects/compositeblock.h"
#include "game/objects/shadowbitmap.h"

namespace {

struct CellCase {
  bool red, green, blue, hideFar;
  float distance;
  int r, g, b, a;
};

TEST(Lighting, CellsGlowInTheirChannelsNearTheBikeAndGoDarkOrClearBeyondTheRadius) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const CellCase cases[] = {
      {true, false, false, false, 50.0f, 205, 0, 0, 128},
      {true, false, false, false, 50.9f, 205, 0, 0, 128},
      {true, false, false, false, 100.0f, 155, 0, 0, 128},   // on the radius: near
      {true, false, false, false, 100.5f, 0, 0, 0, 255},     // beyond: opaque black
      {true, false, false, true, 150.0f, 0, 0, 0, 0},        // or clear
      {true, false, false, true, 0.0f, 255, 0, 0, 128},
      {false, false, false, false, 50.0f, 0, 0, 205, 128},   // no channel: blue
      {true, true, false, false, 20.0f, 235, 235, 0, 128},
      {false, true, true, false, 20.0f, 0, 235, 235, 128},
      {true, false, false, false, nan, 0, 0, 0, 128},
  };
  for (const CellCase& c : cases) {
    const Kest::CompositeBlock block(0, 0, 30, 30, c.red, c.green, c.blue, 128, c.hideFar, 100);
    const Kest::ByteColor got = block.CellColor(c.distance);
    EXPECT_EQ(got.r, c.r) << c.distance;
    EXPECT_EQ(got.g, c.g) << c.distance;
    EXPECT_EQ(got.b, c.b) << c.distance;
    EXPECT_EQ(got.a, c.a) << c.distance;
  }
}

TEST(Lighting, ABlockFarFromEverythingFadesToBlackPastTwoHundredFiftyFive) {
  const Kest::CompositeBlock block(0, 0, 30, 30, false, true, false, 300, false, 1000);
  EXPECT_EQ(block.CellColor(254.5f).g, 1);
  EXPECT_EQ(block.CellColor(400.0f).g, 0);
  EXPECT_EQ(block.CellColor(400.0f).a, 255) << "alpha held to 255";
}

TEST(Lighting, CornersAreShadedByDistanceShortOfFullLight) {
  const float far = std::numeric_limits<float>::infinity();
  EXPECT_FLOAT_EQ(Kest::ShadowBitmap::CornerShade(0.0f), 254.0f / 255.0f);
  EXPECT_FLOAT_EQ(Kest::ShadowBitmap::CornerShade(1.5f), 254.0f / 255.0f);
  EXPECT_FLOAT_EQ(Kest::ShadowBitmap::CornerShade(100.7f), 155.0f / 255.0f);
  EXPECT_FLOAT_EQ(Kest::ShadowBitmap::CornerShade(254.9f), 1.0f / 255.0f);
  EXPECT_FLOAT_EQ(Kest::ShadowBitmap::CornerShade(300.0f), 0.0f);
  EXPECT_FLOAT_EQ(Kest::ShadowBitmap::CornerShade(far), 0.0f) << "no bike";
}

}  // namespace
