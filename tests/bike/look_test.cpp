// The bike with its rider as the player sees it, standing on a ground
// block, drawn with the game's own art. The frame is saved as
// "bike_look.png" beside the test for a person to look at.
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <filesystem>
#include <vector>

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/bike/bikeparts.h"
#include "game/objects/block.h"
#include "game/app/mainloop.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "platform/platform.h"
#include "render/gl.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Game files are named relative to the executable's folder.
void ReachTheArt() {
  namespace fs = std::filesystem;
  const fs::path link = fs::path(Platform::ExecutableDirectory()) / "res";
  if (!fs::exists(link)) fs::create_directory_symlink(fs::path(VANTRAIL_SOURCE_DIR) / "res", link);
}

struct Rgb {
  int r, g, b;
};

std::vector<unsigned char> ReadBackBuffer() {
  std::vector<unsigned char> bytes(kWidth * kHeight * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
  return bytes;
}

// Canvas coordinates, y down.
Rgb PixelAt(const std::vector<unsigned char>& bytes, int x, int y) {
  const unsigned char* p = &bytes[((kHeight - 1 - y) * kWidth + x) * 4];
  return Rgb{p[0], p[1], p[2]};
}

void SavePng(const std::vector<unsigned char>& bytes, const char* path) {
  BITMAP* image = create_bitmap_ex(32, kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgb p = PixelAt(bytes, x, y);
      putpixel(image, x, y, makeacol32(p.r, p.g, p.b, 255));
    }
  }
  save_png(path, image, nullptr);
  destroy_bitmap(image);
}

bool IsBackground(const Rgb& p) { return p.r < 8 && p.g < 8 && p.b < 8; }

// How many pixels of the box differ from the black background.
int Drawn(const std::vector<unsigned char>& bytes, int x0, int y0, int x1, int y1) {
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) count += IsBackground(PixelAt(bytes, x, y)) ? 0 : 1;
  }
  return count;
}

// The main loop's rhythm: a frame lists the candidates of the next steps.
void Ride(Kest::App& app, Kest::Bike& bike, int steps) {
  for (int step = 0; step < steps; ++step) {
    if (step % 8 == 0) app.UpdateAndDraw(16.0f, true);
    bike.PreStep();
    app.Simulate(Kest::MainLoop::kStepLength);
    bike.Step(2.0f);
  }
}

// A frame with the camera centred on the chassis, saved under the name.
std::vector<unsigned char> Photograph(Kest::App& app, const Kest::Bike& bike, const char* path) {
  const Tessora::Vec2 at = bike.GetPosition();
  app.SetCamera(ol::Vec2(at.x - kWidth / 2, at.y - kHeight / 2));
  app.UpdateAndDraw(16.0f, false);
  std::vector<unsigned char> frame = ReadBackBuffer();
  SavePng(frame, path);
  return frame;
}

TEST(BikeLook, TheRiderSitsOnTheBikeStandingOnTheGroundFacingEitherWay) {
  ReachTheArt();
  Kest::App app(kWidth, kHeight);
  ASSERT_TRUE(app.HasScreen());
  Kest::ResourceManager::Create();
  Kest::Block* ground = new Kest::Block(-1000.0f, 360.0f, 3000.0f, 240.0f, "", false);
  ground->SetFillColor(110, 170, 70, 255);
  app.GetSpace()->Insert(ground);
  Kest::Bike* bike = Kest::Bike::Create();
  bike->MoveTo(400.0f, 320.0f);
  EXPECT_EQ(app.GetCamera().x, 0.0f) << "the bike at the centre of the screen";
  EXPECT_EQ(app.GetCamera().y, 20.0f);
  Ride(app, *bike, 600);
  const Tessora::Vec2 at = bike->GetPosition();
  const std::vector<unsigned char> frame = Photograph(app, *bike, "bike_look.png");

  EXPECT_FALSE(bike->IsRestartRequested());
  EXPECT_NEAR(at.y, 330.0f, 1.0f) << "wheels of radius 30 on the ground at 360";
  // The machine just below the centre of the screen, the rider above it,
  // the ground below the wheels.
  EXPECT_GT(Drawn(frame, 330, 300, 470, 330), 1000) << "the motorbike";
  EXPECT_GT(Drawn(frame, 360, 180, 440, 300), 1500) << "the rider";
  const Tessora::Vec2 head = Kest::PositionOf(*bike->GetRider().GetPart(Kest::Rider::kHead));
  EXPECT_FALSE(IsBackground(PixelAt(frame, int(head.x - at.x) + 400, int(head.y - at.y) + 300)));
  EXPECT_FALSE(IsBackground(PixelAt(frame, 400, 450))) << "the ground";

  bike->TurnAround();
  Ride(app, *bike, 600);
  const std::vector<unsigned char> left = Photograph(app, *bike, "bike_look_left.png");
  EXPECT_FALSE(bike->IsRestartRequested());
  EXPECT_GT(Drawn(left, 360, 180, 440, 300), 1500) << "the rider";

  Kest::Bike::Destroy();
  app.ResetWorld();
  Kest::ResourceManager::Destroy();
}

}  // namespace
