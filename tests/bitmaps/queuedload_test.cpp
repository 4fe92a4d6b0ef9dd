// Bitmaps asked to load before the screen existed: the loads wait for it.
#include <memory>

#include "render/collector.h"
#include "tests/support/glscreen/screen.h"
#include "tests/support/tracecapture.h"

namespace BitmapTests {
namespace {

using namespace GlSupport;

struct EarlyLoads {
  ol::Bitmap image;     // queued once
  ol::Bitmap replaced;  // queued for a missing file, then again for a good one
  ol::Bitmap missing;   // queued for a file that does not exist
  bool queuedResult = false;
  bool queuedBeforeScreen = false;
  bool validBeforeScreen = true;
  bool traced = false;
};
std::unique_ptr<EarlyLoads> early;

// As the game's start-up does: between starting the library and opening
// the screen.
void LoadBeforeTheScreen() {
  const std::string image =
      SavePng(MakeImage(32, 6, 4, [](int x, int y) { return Quadrants(x, y, 6, 4); }), "early.png");
  early = std::make_unique<EarlyLoads>();
  TestSupport::TraceCapture trace;
  early->queuedResult = early->image.Load(image, 0);
  early->replaced.Load("no such file.png");
  early->replaced.Load(image);
  early->missing.Load("no such file.png");
  early->queuedBeforeScreen = early->image.HasQueuedCommands();
  early->validBeforeScreen = early->image.IsValid();
  early->traced = trace.Contains("Loading queued for bitmap: " + image);
}

// The screen of this program's tests.
const bool screen = (OpenScreenForEveryTest(LoadBeforeTheScreen), true);

// Registered after the screen, so torn down before it: the bitmaps go while
// the drawing layer is still there.
class EarlyLoadsGo : public ::testing::Environment {
  void TearDown() override { early.reset(); }
};
const auto* const earlyLoadsGo = ::testing::AddGlobalTestEnvironment(new EarlyLoadsGo);

const EarlyLoads& Early() { return *early; }
using QueuedLoad = ScreenTest;

// Queued with a trace line instead of a message box, and done once the screen
// is set up; only the latest load counts; a failed one leaves it empty but registered.
TEST_F(QueuedLoad, WaitsForTheScreenAndOnlyTheLatestLoadCounts) {
  EXPECT_TRUE(Early().queuedResult);
  EXPECT_TRUE(Early().queuedBeforeScreen);
  EXPECT_FALSE(Early().validBeforeScreen);
  EXPECT_TRUE(Early().traced);
  const ol::Bitmap& image = Early().image;
  ASSERT_TRUE(image.IsValid());
  EXPECT_FALSE(image.HasQueuedCommands());
  image.Blit(10.0f, 10.0f);
  ExpectPixelNear(ReadPixel(10, 10), Pixel{255, 0, 0, 255});
  ExpectPixelNear(ReadPixel(15, 13), Pixel{255, 255, 255, 255});
  EXPECT_EQ(Early().replaced.Width(), 6);
  EXPECT_FALSE(Early().missing.IsValid());
  EXPECT_FALSE(Early().missing.HasQueuedCommands());
  EXPECT_TRUE(ol::GarbageCollector::Get()->IsRegistered(&Early().missing));
}

}  // namespace
}  // namespace BitmapTests
