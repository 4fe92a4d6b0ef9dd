// Every special object in one scene with the game's own art: the bike rides
// over a boost strip and through a star, under a glowing overhang, past a
// shaded sign, a pool of water and drifting clouds. The frames before and
// after the ride are saved as "special_look.png" and
// "special_look_after.png" beside the test for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/app/mainloop.h"
#include "game/bike/bike.h"
#include "game/objects/bitmapobject.h"
#include "game/objects/block.h"
#include "game/objects/boost.h"
#include "game/objects/cloud.h"
#include "game/objects/compositeblock.h"
#include "game/objects/pickableitem.h"
#include "game/objects/shadowbitmap.h"
#include "game/objects/sprite.h"
#include "game/objects/water.h"
#include "platform/platform.h"
#include "tests/support/screen.h"

namespace {

// Game files are named relative to the executable's folder.
void ReachTheArt() {
  namespace fs = std::filesystem;
  const fs::path link = fs::path(Platform::ExecutableDirectory()) / "res";
  if (!fs::exists(link)) fs::create_directory_symlink(fs::path(VANTRAIL_SOURCE_DIR) / "res", link);
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
  space.Insert(new Kest::ShadowBitmap(10.0f, 336.0f, "res\\sign.png"), -1);
  // A pool sunk into the ground.
  space.Insert(new Kest::Bitmap(600.0f, 400.0f, "res\\water.png"), 1);
  space.Insert(new Kest::Water(600.0f, 400.0f, 128.0f, 128.0f), 1);
  // A dark overhang that glows around the bike.
  space.Insert(new Kest::CompositeBlock(200, 60, 330, 105, true, true, false, 220, false, 250), 1);
  space.Insert(
      new Kest::Boost("res\\boost.png", 1, 64, 32, 1, 0.0f, 240.0f, 368.0f, true, false, 1), 1);
  space.Insert(Star("star1", 340.0f, 350.0f), 2, "star1");
  space.Insert(Star("star2", 480.0f, 260.0f), 2, "star2");
}

using SpecialLook = TestSupport::ScreenTest;

// Ridden in the main loop's rhythm (a frame lists the candidates of the
// next steps) with the camera kept still.
TEST_F(SpecialLook, TheBikeRidesOverTheBoostAndCollectsAStarOnItsWay) {
  ReachTheArt();
  app->SetBgImage("res\\skyday.png");
  Kest::Bike* bike = Kest::Bike::Create();
  bike->MoveTo(120.0f, 370.0f);
  app->SetCamera(ol::Vec2(0, 0));
  BuildScene(Level());
  const Kest::Object* firstStar = Level().FindObject("star1");
  Draw();
  TestSupport::SaveScreenshot("special_look.png");

  // Up to the boost, then on its kick alone.
  for (const float past : {260.0f, 420.0f}) {
    bike->SetThrottle(past < 400.0f ? Kest::Bike::kAccelerate : Kest::Bike::kIdle);
    for (int step = 0; step < 2000 && bike->GetPosition().x < past; ++step) {
      if (step % 8 == 0) app->UpdateAndDraw(16.0f, true);
      bike->PreStep();
      app->Simulate(Kest::MainLoop::kStepLength);
      bike->Step(2.0f);
    }
  }
  Draw();
  TestSupport::SaveScreenshot("special_look_after.png");

  EXPECT_GT(bike->GetPosition().x, 420.0f);
  EXPECT_FALSE(Level().Contains(firstStar)) << "collected and swept";
  Kest::Bike::Destroy();
}

}  // namespace
