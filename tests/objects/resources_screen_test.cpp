#include <gtest/gtest.h>

#include <memory>

#include "game/objects/circle.h"
#include "game/objects/meters.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/sprite.h"
#include "render/bitmap.h"
#include "tests/support/screen.h"
#include "tests/support/tracecapture.h"

namespace {

using namespace TestSupport;

using ResourcesOnScreen = ScreenTest;

Kest::ResourceManager& Resources() { return *Kest::ResourceManager::GetInstance(); }

TEST_F(ResourcesOnScreen, OneTextureServesEveryUserOfAFile) {
  const std::string file = WriteImage("res\\test_shared.png", 65, 33, kRed);
  std::unique_ptr<ol::Bitmap> first(Resources().GetBitmap(file));
  std::unique_ptr<ol::Bitmap> second(Resources().GetBitmap(file));
  ASSERT_TRUE(first && second && first->IsValid());
  EXPECT_NE(first.get(), second.get()) << "each user owns its own";
  EXPECT_EQ(first->GetTextureInfo().texture, second->GetTextureInfo().texture);
  EXPECT_EQ(second->Width(), 65);
  // A file that failed is tried again.
  RemoveImage("res\\test_late.png");
  EXPECT_EQ(Resources().GetBitmap("res\\test_late.png"), nullptr);
  WriteImage("res\\test_late.png", 8, 8, kGreen);
  std::unique_ptr<ol::Bitmap> late(Resources().GetBitmap("res\\test_late.png"));
  EXPECT_TRUE(late && late->IsValid());
}

// What stands in the level's space stays the space's: registering it would give a second owner.
TEST_F(ResourcesOnScreen, ObjectsInTheSpaceAreNotRegistered) {
  TestSupport::TraceCapture trace;
  auto* ball = new Kest::Circle(0, 0, 5, "", true);
  auto* smoke = new Kest::Sprite("", 1, 8, 8, 1, 10.0f, 0, 0, true, false);
  Level().Insert(ball);
  Level().Insert(smoke);
  Resources().RegisterObject("ball", ball);
  Resources().RegisterObject("smoke", smoke);
  EXPECT_EQ(Resources().FindPrototype("ball"), nullptr);
  EXPECT_EQ(Resources().FindPrototype("smoke"), nullptr);
  EXPECT_TRUE(Level().Contains(ball));
  EXPECT_EQ(trace.Lines().size(), 2u);
}

// A new resource manager keeps the background; one that does not load leaves black.
TEST_F(ResourcesOnScreen, TheBackgroundSurvivesANewResourceManager) {
  app->SetBgImage(WriteImage("res\\test_background.png", 800, 600, kBlue));
  Kest::ResourceManager::Create();
  Draw();
  ExpectColours({{400, 300, kBlue}});
  app->SetBgImage("res\\test_no_background.png");
  Draw();
  ExpectColours({{400, 300, kBlack}});
}

// The HUD keeps its place wherever the camera goes; bitmaps that did not load are left out.
TEST_F(ResourcesOnScreen, DialsAndCountdownStayOnTheScreen) {
  RemoveImage("res\\speedmeterneedle.png");
  RemoveImage("res\\rotationsegment.png");
  WriteImage("res\\speedmeter.png", 64, 32, kGreen);
  WriteImage("res\\rotationmeter.png", 64, 64, kBlue);
  for (int d = 0; d < 10; ++d) WriteImage("res\\num" + std::to_string(d) + ".png", 20, 20, kWhite);
  auto* speed = new Kest::SpeedMeter();
  auto* rotation = new Kest::RotationMeter();
  speed->SetValue(0.5f);
  rotation->SetValue(0.25f);
  Level().Insert(speed, -9999);
  Level().Insert(rotation, -9999);
  Level().Insert(new Kest::TimerDisplay(), -9999);
  app->SetCamera(ol::Vec2(5000, -300));
  Draw();
  ExpectColours({{115, 5, kGreen}, {240, 60, kBlue}, {25, 25, kWhite}, {55, 25, kWhite}, {85, 25, kWhite},
                 {45, 25, kBlack, "between the digits"}, {400, 300, kBlack}});
  EXPECT_EQ(app->GetDrawList().size(), 3u);
}

}  // namespace
