#include "tests/support/glscreen/screen.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <vector>

#include "render/blenders.h"
#include "render/canvas.h"
#include "render/drawbatch.h"
#include "render/gl.h"
#include "render/setup.h"
#include "render/transforms.h"

#if defined(__SANITIZE_ADDRESS__)
// The GL library's set-up keeps a visual list from X for good.
extern "C" const char* __lsan_default_suppressions() { return "leak:XGetVisualInfo\n"; }
#endif

namespace GlSupport {
namespace {

class Screen : public ::testing::Environment {
 public:
  explicit Screen(std::function<void()> beforeScreen) : beforeScreen_(std::move(beforeScreen)) {}

  void SetUp() override {
    ASSERT_TRUE(ol::Setup::SetupProgram(false, false, true));
    if (beforeScreen_) beforeScreen_();
    ASSERT_TRUE(ol::Setup::SetupScreen(WINDOW_W, WINDOW_H, false, 32, 8, 0));
  }

  // X and GL free their memory only as the display closes: look for ours before.
  void TearDown() override {
    ol::Setup::Shutdown();
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
  }

 private:
  std::function<void()> beforeScreen_;
};

}  // namespace

void OpenScreenForEveryTest(std::function<void()> beforeScreen) {
  ::testing::AddGlobalTestEnvironment(new Screen(std::move(beforeScreen)));
}

void ResetCanvas() {
  ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);
  ol::Canvas::DisableClipping();
  ol::Transforms::SetPosition(0.0f, 0.0f);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ol::Blenders::Set(ol::ALPHA_BLENDER);
  ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
}

void ScreenTest::SetUp() { ResetCanvas(); }
void ScreenTest::TearDown() { ResetCanvas(); }

// The draws still gathered reach the frame before it is read.
std::vector<unsigned char> ReadArea(int x, int y, int w, int h) {
  std::vector<unsigned char> bytes(static_cast<std::size_t>(w) * h * 4);
  ol::DrawBatch::Flush();
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, WINDOW_H - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
  return bytes;
}

Pixel ReadPixel(int x, int y) {
  const std::vector<unsigned char> p = ReadArea(x, y, 1, 1);
  return Pixel{p[0], p[1], p[2], p[3]};
}

int CountRed(int x, int y, int w, int h) {
  const std::vector<unsigned char> bytes = ReadArea(x, y, w, h);
  int count = 0;
  for (std::size_t i = 0; i < bytes.size(); i += 4) count += bytes[i] > 127 ? 1 : 0;
  return count;
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

}  // namespace GlSupport
