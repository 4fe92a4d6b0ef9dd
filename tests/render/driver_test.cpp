// The graphics driver's work that needs no screen: paths, sizes and memory
// bitmaps.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "platform/platform.h"
#include "render/allegrodriver.h"
#include "render/setup.h"

namespace {

TEST(GraphicsDriver, PathsAreTakenFromTheExecutablesFolder) {
  const std::string folder = ol::Setup::GetExecutablePath();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(folder, Platform::ExecutableDirectory());
  // The game's backslashes stay until the file is opened.
  EXPECT_EQ(ol::Setup::ToAbsolutePathname("res\\x.png"), folder + "res\\x.png");
  EXPECT_EQ(ol::Setup::ToAbsolutePathname("/tmp/x.png"), "/tmp/x.png");
}

TEST(GraphicsDriver, NextPowerOfTwo) {
  EXPECT_EQ(ol::NextPowerOfTwo(0), 1);
  EXPECT_EQ(ol::NextPowerOfTwo(1), 1);
  EXPECT_EQ(ol::NextPowerOfTwo(3), 4);
  EXPECT_EQ(ol::NextPowerOfTwo(60), 64);
  EXPECT_EQ(ol::NextPowerOfTwo(100), 128);
  EXPECT_EQ(ol::NextPowerOfTwo(128), 128);
}

class MemoryBitmaps : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, std::atexit), 0); }
  ol::GraphicsDriver& driver = ol::ActiveDriver();
};

// GL reads rows back bottom first; the memory bitmap has its top row first.
TEST_F(MemoryBitmaps, RowsArriveBottomFirst) {
  const unsigned char pixels[] = {
      255, 0, 0, 255,  0, 255, 0, 128,    // bottom row: red, half-transparent green
      0, 0, 255, 255,  255, 255, 255, 0,  // top row: blue, transparent white
  };
  BITMAP* bitmap = driver.CreateMemoryBitmap(2, 2, 4, pixels);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(driver.GetColorDepth(bitmap), 32);
  const ol::Rgba blue = driver.GetPixel(bitmap, 0, 0);
  EXPECT_FLOAT_EQ(blue.b, 1.0f);
  EXPECT_FLOAT_EQ(blue.r, 0.0f);
  const ol::Rgba green = driver.GetPixel(bitmap, 1, 1);
  EXPECT_FLOAT_EQ(green.g, 1.0f);
  EXPECT_NEAR(green.a, 128.0f / 255.0f, 1e-6f);
  EXPECT_FLOAT_EQ(driver.GetPixel(bitmap, 0, 1).r, 1.0f);
  driver.DestroyMemoryBitmap(bitmap);
}

// Three components make a 24-bit bitmap without alpha, one an 8-bit one;
// Allegro has no bitmaps for other counts.
TEST_F(MemoryBitmaps, DepthFollowsTheComponentCount) {
  const unsigned char white[] = {255, 255, 255, 255, 255};
  BITMAP* rgb = driver.CreateMemoryBitmap(1, 1, 3, white);
  ASSERT_NE(rgb, nullptr);
  EXPECT_EQ(driver.GetColorDepth(rgb), 24);
  EXPECT_FLOAT_EQ(driver.GetPixel(rgb, 0, 0).r, 1.0f);
  EXPECT_FLOAT_EQ(driver.GetPixel(rgb, 0, 0).a, 0.0f);
  driver.DestroyMemoryBitmap(rgb);
  BITMAP* alphaOnly = driver.CreateMemoryBitmap(1, 1, 1, white);
  ASSERT_NE(alphaOnly, nullptr);
  EXPECT_EQ(driver.GetColorDepth(alphaOnly), 8);
  driver.DestroyMemoryBitmap(alphaOnly);
  EXPECT_EQ(driver.CreateMemoryBitmap(1, 1, 5, white), nullptr);
}

}  // namespace
