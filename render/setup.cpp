#include "render/setup.h"

#include <allegro.h>
#include <loadpng.h>
#include <malloc.h>

#include <sstream>

#include "platform/trace.h"
#include "render/blenders.h"
#include "render/canvas.h"
#include "render/collector.h"
#include "render/gl.h"
#include "render/graphicsdriver.h"
#include "render/screencopy.h"
#include "render/settings.h"
#include "render/transforms.h"

namespace ol {
namespace {

int screenWidth = 0;
int screenHeight = 0;
int colorDepth = 0;
bool screenSetUp = false;

std::string ScreenModeText(int width, int height, bool fullscreen, int depth, int zDepth) {
  std::ostringstream text;
  text << "Couldn't open the screen mode " << width << " x " << height << ", " << depth
       << "-bit colour, " << zDepth << "-bit depth buffer, "
       << (fullscreen ? "fullscreen" : "windowed") << ": " << allegro_error;
  return text.str();
}

// The software renderer allocates and frees a block of 64 KB for each draw
// that changes its state (a texture, say). By default the C library hands
// the top of the heap back to the system as soon as 128 KB of it lie free,
// so every frame faulted megabytes of fresh pages in again: the heap keeps
// up to 64 MB of freed memory instead.
void KeepFreedHeapForTheRenderer() { mallopt(M_TRIM_THRESHOLD, 64 << 20); }

}  // namespace

bool Setup::SetupProgram(bool keyboard, bool mouse, bool timer) {
  const bool started = ActiveDriver().SetupProgram(keyboard, mouse, timer);
  if (!started)
    Platform::Trace(std::string("Couldn't start the graphics library: ") + allegro_error);
  register_png_file_type();
  return started;
}

bool Setup::SetupScreen(int width, int height, bool fullscreen, int depth, int zDepth,
                        int refreshRate) {
  const bool opened =
      ActiveDriver().SetupScreen(width, height, fullscreen, depth, zDepth, refreshRate);
  if (!opened) {
    // Without a GL context there is no state to set up; bitmap loads stay
    // queued.
    Platform::Trace(ScreenModeText(width, height, fullscreen, depth, zDepth));
    return false;
  }
  KeepFreedHeapForTheRenderer();
  ScreenCopy::ForgetContext();
  screenWidth = width;
  screenHeight = height;
  colorDepth = depth;
  screenSetUp = true;
  // The mode actually opened decides the projection and the pivot.
  const int modeW = SCREEN_W;
  const int modeH = SCREEN_H;
  Settings::SetOrthographicProjection(modeW, modeH);
  Blenders::Set(ALPHA_BLENDER);
  Transforms::SetRotationPivot(static_cast<float>(modeW / 2), static_cast<float>(modeH / 2));
  Transforms::SetTintColor(Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  Settings::SetAntialiasing(true);
  Canvas::SetSurfaceSize();
  Canvas::SetTo(BACK_BUFFER_TARGET);
  // Both buffers start with opaque alpha; their colour is left alone.
  Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f, WRITE_ALPHA_ONLY);
  Canvas::Refresh();
  Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f, WRITE_ALPHA_ONLY);
  if (GarbageCollector* collector = GarbageCollector::Get()) collector->RunAutoLoader();
  return opened;
}

void Setup::Shutdown() {
  GarbageCollector* collector = GarbageCollector::Get();
  if (collector == nullptr) return;
  collector->Shutdown();
  delete collector;
}

bool Setup::IsScreenSetUp() { return screenSetUp; }

std::string Setup::GetExecutablePath() { return ActiveDriver().GetExecutablePath(); }

std::string Setup::ToAbsolutePathname(const std::string& filename) {
  return ActiveDriver().ToAbsolutePathname(filename);
}

int Setup::GetScreenWidth() { return screenWidth; }
int Setup::GetScreenHeight() { return screenHeight; }
int Setup::GetColorDepth() { return colorDepth; }

}  // namespace ol
