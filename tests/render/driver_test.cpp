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
  EXPECT_FLOAT_EQ(driver.GetPixel(bitmap, 0, 0).b, 1.0f);
  EXPECT_NEAR(driver.GetPixel(bitmap, 1, 1).a, 128.0f / 255.0f, 1e-6f);
  EXPECT_FLOAT_EQ(driver.GetPixel(bitmap, 0, 1).r, 1.0f);
  driver.DestroyMemoryBitmap(bitmap);
}

// Four components make 32 bits, three 24, one 8; Allegro has no others.
TEST_F(MemoryBitmaps, DepthFollowsTheComponentCount) {
  const unsigned char white[] = {255, 255, 255, 255, 255};
  const int depths[][2] = {{4, 32}, {3, 24}, {1, 8}};
  for (const auto& c : depths) {
    BITMAP* bitmap = driver.CreateMemoryBitmap(1, 1, c[0], white);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(driver.GetColorDepth(bitmap), c[1]);
    driver.DestroyMemoryBitmap(bitmap);
  }
  EXPECT_EQ(driver.CreateMemoryBitmap(1, 1, 5, white), nullptr);
}

}  // namespace
