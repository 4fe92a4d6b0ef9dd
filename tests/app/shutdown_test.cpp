#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <cstdio>

#include "game/app/startup.h"
#include "render/bitmap.h"
#include "tests/support/tracecapture.h"

namespace {

// A 4 x 4 image for the game to hold while it shuts down.
std::string WriteSmallPng() {
  const std::string path = "shutdown-test.png";
  BITMAP* image = create_bitmap_ex(32, 4, 4);
  clear_to_color(image, makeacol32(200, 100, 50, 255));
  save_png(path.c_str(), image, nullptr);
  destroy_bitmap(image);
  return path;
}

// Bitmaps still held at shutdown are released while the library and its GL
// context are alive: releasing them after the library closed would crash.
TEST(Shutdown, ReleasesTheDrawingLayerBeforeTheLibraryCloses) {
  TestSupport::TraceCapture trace;
  ASSERT_TRUE(Kest::StartUpGame());
  const std::string png = WriteSmallPng();
  ol::Bitmap held;
  ASSERT_TRUE(held.Load(png));
  held.UnloadToMemory();
  Kest::ShutdownGame();
  EXPECT_FALSE(held.IsValid());
  EXPECT_FALSE(held.HasQueuedCommands());
  std::remove(png.c_str());
}

}  // namespace
