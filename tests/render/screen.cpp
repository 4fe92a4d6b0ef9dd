#include "screen.h"

#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <filesystem>

#include "render/blenders.h"
#include "render/canvas.h"
#include "render/gl.h"
#include "render/setup.h"
#include "render/transforms.h"

namespace RenderTest {
namespace {

StateAfterSetup recorded;

StateAfterSetup RecordState() {
  StateAfterSetup state;
  glGetFloatv(GL_PROJECTION_MATRIX, state.projection.data());
  glGetIntegerv(GL_BLEND_SRC, &state.blendSource);
  glGetIntegerv(GL_BLEND_DST, &state.blendDestination);
  state.blending = glIsEnabled(GL_BLEND);
  state.lineSmooth = glIsEnabled(GL_LINE_SMOOTH);
  state.pointSmooth = glIsEnabled(GL_POINT_SMOOTH);
  state.depthTest = glIsEnabled(GL_DEPTH_TEST);
  glGetIntegerv(GL_ALPHA_BITS, &state.alphaBits);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &state.modelViewDepth);
  state.tint = *ol::Transforms::GetTintColor();
  state.backBufferAlpha = static_cast<unsigned char>(ReadPixel(400, 300).a);
  return state;
}

class ScreenEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(ol::Setup::SetupProgram(true, true, true));
    ASSERT_TRUE(ol::Setup::SetupScreen(WINDOW_W, WINDOW_H, false, 32, 8, 0));
    recorded = RecordState();
  }
  void TearDown() override {
    // The drawing layer goes first, while its GL context still exists.
    ol::Setup::Shutdown();
    allegro_exit();
  }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ScreenEnvironment);

}  // namespace

const StateAfterSetup& SetupState() { return recorded; }

Pixel ReadPixel(int x, int y) {
  unsigned char bytes[4] = {};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, WINDOW_H - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, bytes);
  return Pixel{bytes[0], bytes[1], bytes[2], bytes[3]};
}

int CountRed(int x, int y, int w, int h) {
  std::vector<unsigned char> bytes(static_cast<size_t>(w) * h * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, WINDOW_H - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
  int count = 0;
  for (size_t i = 0; i < bytes.size(); i += 4) count += bytes[i] > 127 ? 1 : 0;
  return count;
}

void ResetCanvas() {
  ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);
  ol::Canvas::DisableClipping();
  ol::Transforms::SetPosition(0.0f, 0.0f);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ol::Blenders::Set(ol::ALPHA_BLENDER);
  ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
}

std::string MakePng(const std::string& name, int w, int h, Pixel color) {
  const auto folder = std::filesystem::temp_directory_path() / "vantrail-render-test";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / name).string();
  BITMAP* image = create_bitmap_ex(32, w, h);
  clear_to_color(image, makeacol32(color.r, color.g, color.b, color.a));
  save_png(path.c_str(), image, nullptr);
  destroy_bitmap(image);
  return path;
}

}  // namespace RenderTest
