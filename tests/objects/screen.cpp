#include "tests/objects/screen.h"

#include <allegro.h>
#include <loadpng.h>

#include <cstdlib>
#include <filesystem>

#include "game/objects/resourcemanager.h"
#include "render/gl.h"
#include "render/setup.h"
#include "render/transforms.h"

namespace ObjectsTest {

namespace {

class Window : public ::testing::Environment {
 public:
  void SetUp() override { app = new Kest::App(800, 600); }
  void TearDown() override {
    Kest::ResourceManager::Destroy();
    delete app;
  }
  Kest::App* app = nullptr;
};

Window* const window = static_cast<Window*>(::testing::AddGlobalTestEnvironment(new Window));

std::string PathOf(const std::string& gameName) {
  std::string path = gameName;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return ol::Setup::GetExecutablePath() + path;
}

int Pack(const Pixel& p) { return makeacol32(p.r, p.g, p.b, 255); }

}  // namespace

void ScreenTest::SetUp() {
  app = window->app;
  ASSERT_TRUE(app->HasScreen());
  Kest::ResourceManager::Create();
  app->ResetWorld();
  app->SetQueryUpdate(true);
  app->SetCamera(ol::Vec2(0, 0));
  ol::Transforms::SetTintColor(ol::Rgba(1, 1, 1, 1));
}

void ScreenTest::TearDown() { app->SetBgImage(""); }

void ScreenTest::Draw() { app->UpdateAndDraw(0.0f, false); }

std::string WriteImage(const std::string& gameName, int w, int h, Pixel color) {
  return WriteImage(gameName, w, h, color, color);
}

std::string WriteImage(const std::string& gameName, int w, int h, Pixel left, Pixel right) {
  const std::string path = PathOf(gameName);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  BITMAP* image = create_bitmap_ex(32, w, h);
  clear_to_color(image, Pack(right));
  rectfill(image, 0, 0, w / 2 - 1, h - 1, Pack(left));
  save_png(path.c_str(), image, nullptr);
  destroy_bitmap(image);
  return gameName;
}

void RemoveImage(const std::string& gameName) { std::filesystem::remove(PathOf(gameName)); }

Pixel ReadPixel(int x, int y) {
  unsigned char bytes[4] = {};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, 600 - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, bytes);
  return Pixel{bytes[0], bytes[1], bytes[2]};
}

::testing::AssertionResult IsColour(const Pixel& got, const Pixel& want) {
  const int tolerance = 8;
  if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
      std::abs(got.b - want.b) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "pixel (" << got.r << ", " << got.g << ", " << got.b
                                       << ") is not (" << want.r << ", " << want.g << ", "
                                       << want.b << ")";
}

}  // namespace ObjectsTest
