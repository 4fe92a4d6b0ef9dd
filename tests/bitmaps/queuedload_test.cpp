// Bitmaps asked to load before the screen existed (see glfixture.cpp).
#include "render/collector.h"
#include "tests/bitmaps/glfixture.h"

namespace BitmapTests {
namespace {

class QueuedLoad : public GlTest {};

TEST_F(QueuedLoad, WaitsForTheScreenWithATraceLineInsteadOfAMessageBox) {
  EXPECT_TRUE(Early().queuedResult);
  EXPECT_TRUE(Early().queuedBeforeScreen);
  EXPECT_FALSE(Early().validBeforeScreen);
  EXPECT_TRUE(Early().traced);
}

TEST_F(QueuedLoad, IsDoneWhenTheScreenIsSetUp) {
  const ol::Bitmap& image = Early().image;
  ASSERT_TRUE(image.IsValid());
  EXPECT_FALSE(image.HasQueuedCommands());
  EXPECT_EQ(image.Width(), 6);
  image.Blit(10.0f, 10.0f);
  ExpectPixelNear(ReadPixel(10, 10), Pixel{255, 0, 0, 255});
  ExpectPixelNear(ReadPixel(15, 13), Pixel{255, 255, 255, 255});
}

TEST_F(QueuedLoad, OnlyTheLatestLoadOfABitmapCounts) {
  EXPECT_TRUE(Early().replaced.IsValid());
  EXPECT_EQ(Early().replaced.Width(), 6);
}

TEST_F(QueuedLoad, ThatFailsLeavesTheBitmapEmptyButRegistered) {
  EXPECT_FALSE(Early().missing.IsValid());
  EXPECT_FALSE(Early().missing.HasQueuedCommands());
  EXPECT_TRUE(ol::GarbageCollector::Get()->IsRegistered(&Early().missing));
}

}  // namespace
}  // namespace BitmapTests
