#include "tests/bitmaps/glfixture.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "render/canvas.h"
#include "render/gl.h"
#include "render/setup.h"
#include "render/transforms.h"
#include "tests/support/tracecapture.h"

#if defined(__SANITIZE_ADDRESS__)
// The GL library's set-up keeps a visual list from X for good.
extern "C" const char* __lsan_default_suppressions() { return "leak:XGetVisualInfo\n"; }
#endif

namespace BitmapTests {
namespace {

constexpr int SCREEN_WIDTH = 800;
constexpr int SCREEN_HEIGHT = 600;

EarlyLoads* early = nullptr;

// The queued loads happen here, between starting the library and opening
// the screen, as the game's start-up does.
class Screen : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(ol::Setup::SetupProgram(false, false, true));
    const std::string image = SavePng(MakeImage(32, 6, 4, [](int x, int y) {
                                        return Quadrants(x, y, 6, 4);
                                      }),
                                      "early.png");
    early = new EarlyLoads;
    {
      TestSupport::TraceCapture trace;
      early->queuedResult = early->image.Load(image, 0);
      early->replaced.Load("no such file.png");
      early->replaced.Load(image);
      early->missing.Load("no such file.png");
      early->queuedBeforeScreen = early->image.HasQueuedCommands();
      early->validBeforeScreen = early->image.IsValid();
      early->traced = trace.Contains("Loading queued for bitmap: " + image);
    }
    ASSERT_TRUE(ol::Setup::SetupScreen(SCREEN_WIDTH, SCREEN_HEIGHT, false, 32, 8, 0));
  }

  void TearDown() override {
    delete early;
    ol::Setup::Shutdown();
    CheckForLeaksWhileTheDisplayIsOpen();
  }

 private:
  // The X and GL libraries let go of their own memory only as the display
  // closes at exit, too late to tell it from ours: look for leaks before.
  static void CheckForLeaksWhileTheDisplayIsOpen() {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
  }
};
const auto* const screenEnvironment = ::testing::AddGlobalTestEnvironment(new Screen);

}  // namespace

EarlyLoads& Early() { return *early; }

void GlTest::SetUp() {
  ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);
  ol::Canvas::DisableClipping();
  ol::Transforms::SetPosition(0.0f, 0.0f);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
}

void GlTest::TearDown() {
  ol::Transforms::SetPosition(0.0f, 0.0f);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
}

Pixel ReadPixel(int x, int y) {
  unsigned char p[4] = {0, 0, 0, 0};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, SCREEN_HEIGHT - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return Pixel{p[0], p[1], p[2], p[3]};
}

void ExpectPixelNear(const Pixel& got, const Pixel& want, int tolerance) {
  EXPECT_NEAR(got.r, want.r, tolerance);
  EXPECT_NEAR(got.g, want.g, tolerance);
  EXPECT_NEAR(got.b, want.b, tolerance);
}

std::unique_ptr<ol::Bitmap> LoadImage(BITMAP* image, const std::string& name) {
  auto bitmap = std::make_unique<ol::Bitmap>();
  EXPECT_TRUE(bitmap->Load(SavePng(image, name)));
  return bitmap;
}

}  // namespace BitmapTests
