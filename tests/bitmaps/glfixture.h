// The screen the drawing tests share: an 800 x 600 window opened once for
// the program, and pixels read back from its back buffer before any flip.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "render/bitmap.h"
#include "tests/bitmaps/testimages.h"

namespace BitmapTests {

// Bitmaps asked to load before the screen existed, and what that left in
// the trace log.
struct EarlyLoads {
  ol::Bitmap image;     // queued once
  ol::Bitmap replaced;  // queued for a missing file, then again for a good one
  ol::Bitmap missing;   // queued for a file that does not exist
  bool queuedResult = false;
  bool queuedBeforeScreen = false;
  bool validBeforeScreen = true;
  bool traced = false;
};
EarlyLoads& Early();

// Each test starts on an opaque black back buffer, camera at the origin,
// white tint.
class GlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// A pixel of the back buffer, in canvas coordinates (y down).
Pixel ReadPixel(int x, int y);

void ExpectPixelNear(const Pixel& got, const Pixel& want, int tolerance = 2);

// Writes the image as a PNG and loads it into a new bitmap.
std::unique_ptr<ol::Bitmap> LoadImage(BITMAP* image, const std::string& name);

}  // namespace BitmapTests
