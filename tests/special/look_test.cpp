// Every special object in one scene with the game's own art: the bike rides
// over a boost strip and through a star, past a glowing rock, a shaded sign,
// a pool of water and drifting clouds. The frames before and after the ride
// are saved as "special_look.png" and "special_look_after.png" beside the
// test for a person to look at.
#include <allegro.h>
#include <gtest/gtest.h>
#include <loadpng.h>

#include <filesystem>
#include <vector>

#include "game/app/app.h"
#include "game/app/mainloop.h"
#include "game/bike/bike.h"
#include "game/objects/bitmapobject.h"
#include "game/objects/block.h"
#include "game/objects/boost.h"
#include "game/objects/cloud.h"
#include "game/objects/compositeblock.h"
#include "game/objects/pickableitem.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/shadowbitmap.h"
#include "game/objects/space.h"
#include "game/objects/sprite.h"
#include "game/objects/water.h"
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

std::vector<unsigned char> ReadBackBuffer() {
  std::vector<unsigned char> bytes(kWidth * kHeight * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
  return bytes;
}

void SavePng(const std::vector<unsigned char>& bytes, const char* path) {
  BITMAP* image = create_bitmap_ex(32, kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const unsigned char* p = &bytes[((kHeight - 1 - y) * kWidth + x) * 4];
      putpixel(image, x, y, makeacol32(p[0], p[1], p[2], 255));
    }
  }
  save_png(path, image, nullptr);
  destroy_bitmap(image);
}

// How many pixels of the box differ between the two frames.
int Changed(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, int x0,
            int y0, int x1, int y1) {
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const std::size_t at = ((kHeight - 1 - y) * kWidth + x) * 4;
      count += a[at] != b[at] || a[at + 1] != b[at + 1] || a[at + 2] != b[at + 2];
    }
  }
  return count;
}

std::vector<unsigned char> Photograph(Kest::App& app, const char* path) {
  app.UpdateAndDraw(16.0f, false);
  std::vector<unsigned char> frame = ReadBackBuffer();
  SavePng(frame, path);
  return frame;
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

// A star as the level scripts place one: a 20 x 20 item under a turning
// star of 32 x 32.
Kest::PickableItem* Star(const char* name, float x, float y) {
  auto* item = new Kest::PickableItem(name, x, y, 20.0f, 20.0f);
  item->SetImage(new Kest::Sprite("res\\staritem.png", 8, 32, 32, 8, 100.0f, x - 6.0f, y - 6.0f,
                                  true, false));
  return item;
}

void BuildScene(Kest::Space& space) {
  space.Insert(new Kest::Cloud("res\\cloud1.png", 0, -0.4f, 0, 0.05f, 0.04f), -5);
  space.Insert(new Kest::Cloud("res\\cloud2.png", 0, -0.2f, 0, 0.55f, 0.2f), -5);
  space.Insert(new Kest::Cloud("res\\cloud3.png", 0, -0.3f, 0, 0.7f, 0.0f), -5);
  auto* ground = new Kest::Block(-1000.0f, 400.0f, 3000.0f, 200.0f, "", false);
  ground->SetFillColor(110, 170, 70, 255);
  space.Insert(ground, -1);
  // A pool sunk into the ground.
  space.Insert(new Kest::Bitmap(600.0f, 400.0f, "res\\water.png"), 1);
  space.Insert(new Kest::Water(600.0f, 400.0f, 128.0f, 128.0f), 1);
  // A dark overhang that glows around the bike.
  space.Insert(new Kest::CompositeBlock(200, 60, 330, 105, true, true, false, 220, false, 250), 1);
  space.Insert(new Kest::ShadowBitmap(10.0f, 336.0f, "res\\sign.png"), -1);
  space.Insert(new Kest::Boost("res\\boost.png", 1, 64, 32, 1, 0.0f, 240.0f, 368.0f, true, false,
                               1),
               1);
  space.Insert(Star("star1", 340.0f, 350.0f), 2, "star1");
  space.Insert(Star("star2", 480.0f, 260.0f), 2, "star2");
}

TEST(SpecialLook, TheBikeRidesOverTheBoostAndCollectsAStarOnItsWay) {
  ReachTheArt();
  Kest::App app(kWidth, kHeight);
  ASSERT_TRUE(app.HasScreen());
  Kest::ResourceManager::Create();
  app.SetBgImage("res\\skyday.png");
  Kest::Bike* bike = Kest::Bike::Create();
  bike->MoveTo(120.0f, 370.0f);
  app.SetCamera(ol::Vec2(0, 0));
  BuildScene(*app.GetSpace());
  const Kest::Object* firstStar = app.GetSpace()->FindObject("star1");
  const std::vector<unsigned char> before = Photograph(app, "special_look.png");

  bike->SetThrottle(Kest::Bike::kAccelerate);
  for (int i = 0; i < 40 && bike->GetPosition().x < 260.0f; ++i) Ride(app, *bike, 50);
  bike->SetThrottle(Kest::Bike::kIdle);
  for (int i = 0; i < 40 && bike->GetPosition().x < 420.0f; ++i) Ride(app, *bike, 50);
  bike->SetThrottle(Kest::Bike::kBrake);
  Ride(app, *bike, 100);
  const std::vector<unsigned char> after = Photograph(app, "special_look_after.png");

  EXPECT_GT(bike->GetPosition().x, 400.0f) << "past the first star";
  EXPECT_FALSE(app.GetSpace()->Contains(firstStar));
  EXPECT_GT(Changed(before, after, 334, 344, 366, 376), 200) << "the first star is gone";

  Kest::Bike::Destroy();
  app.ResetWorld();
  Kest::ResourceManager::Destroy();
}

}  // namespace
