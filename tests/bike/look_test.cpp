// The bike and rider as the player sees them on a ground block, in the game's own art.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/bike/bike.h"
#include "game/bike/bikeparts.h"
#include "game/app/mainloop.h"
#include "game/objects/block.h"
#include "platform/platform.h"
#include "tests/support/screen.h"

namespace {

using TestSupport::CountDrawn;
using TestSupport::IsColour;
using TestSupport::kBlack;
using TestSupport::ReadPixel;

// Game files are named relative to the executable's folder.
void ReachTheArt() {
  namespace fs = std::filesystem;
  const fs::path link = fs::path(Platform::ExecutableDirectory()) / "res";
  if (!fs::exists(link)) fs::create_directory_symlink(fs::path(VANTRAIL_SOURCE_DIR) / "res", link);
}

using BikeLook = TestSupport::ScreenTest;

// Ridden in the main loop's rhythm, then drawn with the camera on the chassis.
TEST_F(BikeLook, TheRiderSitsOnTheBikeStandingOnTheGroundFacingEitherWay) {
  ReachTheArt();
  auto* ground = new Kest::Block(-1000.0f, 360.0f, 3000.0f, 240.0f, "", false);
  ground->SetFillColor(110, 170, 70, 255);
  Level().Insert(ground);
  Kest::Bike* bike = Kest::Bike::Create();
  bike->MoveTo(400.0f, 320.0f);
  for (const bool turned : {false, true}) {
    SCOPED_TRACE(turned ? "facing left" : "facing right");
    if (turned) bike->TurnAround();
    for (int step = 0; step < 600; ++step) {
      if (step % 8 == 0) app->UpdateAndDraw(16.0f, true);
      bike->PreStep();
      app->Simulate(Kest::MainLoop::kStepLength);
      bike->Step(2.0f);
    }
    const Tessora::Vec2 at = bike->GetPosition();
    app->SetCamera(ol::Vec2(at.x - 400, at.y - 300));
    Draw();
    EXPECT_NEAR(at.y, 330.0f, 1.0f) << "wheels of radius 30 on the ground at 360";
    EXPECT_GT(CountDrawn(330, 300, 470, 330), 1000) << "the motorbike";
    EXPECT_GT(CountDrawn(360, 180, 440, 300), 1500) << "the rider";
    const Tessora::Vec2 head = Kest::PositionOf(*bike->GetRider().GetPart(Kest::Rider::kHead));
    EXPECT_FALSE(IsColour(ReadPixel(int(head.x - at.x) + 400, int(head.y - at.y) + 300), kBlack));
    EXPECT_FALSE(IsColour(ReadPixel(400, 450), kBlack)) << "the ground";
  }
  Kest::Bike::Destroy();
}

}  // namespace
