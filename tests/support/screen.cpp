#include "tests/support/screen.h"

#include <allegro.h>
#include <loadpng.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "game/objects/resourcemanager.h"
#include "platform/platform.h"
#include "render/transforms.h"
#include "tests/support/glscreen/screen.h"

namespace TestSupport {

namespace {

constexpr int kTolerance = 8;

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
  return Platform::ExecutableDirectory() + Platform::ToNativePath(gameName);
}

int Pack(const Pixel& p) { return makeacol32(p.r, p.g, p.b, 255); }

// The box's pixels as GL reads them: the bottom row first.
std::vector<Pixel> ReadBox(int x0, int y0, int x1, int y1) {
  const std::vector<unsigned char> bytes = GlSupport::ReadArea(x0, y0, x1 - x0, y1 - y0);
  std::vector<Pixel> pixels;
  for (std::size_t i = 0; i < bytes.size(); i += 4) pixels.push_back(Pixel{bytes[i], bytes[i + 1], bytes[i + 2]});
  return pixels;
}

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

Pixel ReadPixel(int x, int y) { return ReadBox(x, y, x + 1, y + 1).front(); }

int CountDrawn(int x0, int y0, int x1, int y1) {
  int count = 0;
  for (const Pixel& p : ReadBox(x0, y0, x1, y1)) count += !IsColour(p, kBlack);
  return count;
}

::testing::AssertionResult IsColour(const Pixel& got, const Pixel& want) {
  if (std::max({std::abs(got.r - want.r), std::abs(got.g - want.g), std::abs(got.b - want.b)}) <= kTolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << got.r << ", " << got.g << ", " << got.b << ") is not ("
                                       << want.r << ", " << want.g << ", " << want.b << ")";
}

void ExpectColours(std::initializer_list<Spot> spots) {
  for (const Spot& spot : spots)
    EXPECT_TRUE(IsColour(ReadPixel(spot.x, spot.y), spot.colour)) << "at " << spot.x << ", " << spot.y << " " << spot.what;
}

}  // namespace TestSupport
