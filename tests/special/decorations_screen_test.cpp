// Blocks that glow around the bike, pictures shaded by it, clouds that wrap
// around the view, and static blocks that a script turns.
#include <gtest/gtest.h>

#include <cmath>

#include "game/bike/bike.h"
#include "game/objects/bikelight.h"
#include "game/objects/block.h"
#include "game/objects/cloud.h"
#include "game/objects/compositeblock.h"
#include "game/objects/shadowbitmap.h"
#include "script/objectfunctions.h"
#include "tests/support/screen.h"

namespace TestSupport {
namespace {

// The bike's chassis at (400, 300), the middle of the view at (0, 0).
class Decorations : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Kest::Bike::Create(Level())->MoveTo(400.0f, 300.0f);
  }
  void TearDown() override {
    Kest::Bike::Destroy();
    ScreenTest::TearDown();
  }
  void AddBackdrop(float x, float y, float w, float h) {
    auto* backdrop = new Kest::Block(x, y, w, h, "", false);
    backdrop->SetFillColor(0, 255, 0, 255);
    Level().Insert(backdrop, -1);
  }
};

TEST_F(Decorations, CellsGlowByTheirCornersDistanceFromTheBike) {
  AddBackdrop(440, 290, 400, 120);
  // Cell corners 55, 70, 85, 100 ... units right of the bike, y - 300 below it.
  const auto add = [&](float y, bool red, int alpha, bool hideFar, int radius) {
    Level().Insert(
        new Kest::CompositeBlock(455, y, 300, 15, red, false, false, alpha, hideFar, radius), 5);
  };
  add(300, true, 255, false, 100);
  add(330, true, 255, true, 100);
  add(360, true, 128, false, 1000);
  add(390, false, 255, false, 1000);
  Draw();
  ExpectColours({{457, 307, {200, 0, 0}},
                 {472, 307, {185, 0, 0}},
                 {502, 307, {155, 0, 0}, "on the radius"},
                 {517, 307, kBlack, "beyond the radius: opaque black"},
                 {457, 337, {193, 0, 0}, "near cells still show"},
                 {517, 337, kGreen, "beyond the radius: hidden"},
                 {457, 367, {87, 127, 0}, "255 - 81 = 174 red at alpha 128 over green"},
                 {457, 397, {0, 0, 150}, "no channel chosen: blue"}});
}

// A block far larger than the view draws only the cells in view, on its own
// grid: one cell at a time over the whole block would never end.
TEST_F(Decorations, AHugeBlockDrawsTheCellsInViewOnItsOwnGrid) {
  Kest::Bike::GetInstance()->MoveTo(0.0f, 0.0f);
  app->SetCamera(ol::Vec2(0, 0));
  AddBackdrop(0, 0, 800, 600);
  // Cell corners at 5 + 15k on both axes.
  Level().Insert(new Kest::CompositeBlock(-1499995, -1499995, 3e6f, 3e6f, false, true, false, 255,
                                          false, 100000));
  Draw();
  ExpectColours({{2, 2, {0, 241, 0}, "the cell from (-10, -10)"},
                 {7, 7, {0, 248, 0}, "the cell from (5, 5)"},
                 {22, 7, {0, 235, 0}, "the cell from (20, 5)"},
                 {7, 22, {0, 235, 0}, "the cell from (5, 20)"},
                 {799, 599, kBlack, "the last cell in view, far from the bike"}});
}

TEST_F(Decorations, APictureIsLitAtEachCornerByTheBikesDistance) {
  const std::string white = WriteImage("art\\white.png", 100, 100, kWhite);
  Level().Insert(new Kest::ShadowBitmap(400, 300, white), 5);
  Draw();
  ExpectColours({{400, 300, {254, 254, 254}},
                 {499, 300, {155, 155, 155}},
                 {400, 399, {155, 155, 155}},
                 {499, 399, {114, 114, 114}}});
  RemoveImage(white);
  // Finer than a pixel tells: the bike on a corner lights it a shade short of full.
  const Tessora::Vec2 bike = Kest::Bike::GetInstance()->GetPosition();
  EXPECT_EQ(Kest::ShadowBitmap::CornerColor(ol::Vec2(bike.x, bike.y)).r, 254.0f / 255.0f);
}

// Light falls with the distance; what is infinitely far or not a number is dark.
TEST(BikeLight, BrightnessFallsWithTheDistanceAndNothingUnknownIsNear) {
  const float cases[][2] = {{0, 255}, {254.5f, 1}, {255, 0}, {INFINITY, 0}, {NAN, 0}};
  for (const auto& c : cases) EXPECT_EQ(Kest::Brightness(c[0]), int(c[1])) << c[0];
}

// A 100 x 50 cloud with the camera at (1000, 2000); x fractions are held to the screen, y fractions are not.
TEST_F(Decorations, ACloudThatDriftsOutOnOneSideComesBackOnTheOther) {
  const std::string image = WriteImage("art\\cloud.png", 100, 50, kWhite);
  const ol::Vec2 camera(1000, 2000);
  app->SetCamera(camera);
  const struct {
    ol::Vec2 speed, fraction;
    ol::Vec2 start;     // from the camera
    int updatesInView;  // before the update that wraps it
    ol::Vec2 wrapped;   // from the camera
  } cases[] = {
      {{-1, 0}, {0, 0.25f}, {0, 150}, 200, {800, 150}},
      {{1, 0}, {1.5f, 0.25f}, {800, 150}, 100, {-150, 150}},
      {{0, -1}, {0.5f, 0}, {400, 0}, 150, {400, 600}},
      {{0, 1}, {0.5f, 1.5f}, {400, 900}, 0, {400, -100}},
  };
  for (const auto& c : cases) {
    Kest::Cloud cloud(image, 7.0f, c.speed.x, c.speed.y, c.fraction.x, c.fraction.y);
    EXPECT_EQ(cloud.GetX(), camera.x + c.start.x);
    EXPECT_EQ(cloud.GetY(), camera.y + c.start.y);
    for (int i = 0; i < c.updatesInView; ++i) cloud.Update(16.0f);
    EXPECT_EQ(cloud.GetX(), camera.x + c.start.x + c.speed.x * c.updatesInView);
    cloud.Update(0.0f);
    EXPECT_EQ(cloud.GetX(), camera.x + c.wrapped.x) << c.speed.x << ", " << c.speed.y;
    EXPECT_EQ(cloud.GetY(), camera.y + c.wrapped.y) << c.speed.x << ", " << c.speed.y;
  }
  RemoveImage(image);
}

// A 100 x 20 block around (400, 300), turned a quarter by a script: it collides and is drawn upright.
using TurnedStatic = ScreenTest;

TEST_F(TurnedStatic, ABlockTurnedByAScriptIsDrawnTurned) {
  const std::string red = WriteImage("res\\turned.png", 100, 20, kRed);
  for (bool textured : {true, false}) {
    SCOPED_TRACE(textured ? "textured" : "filled");
    app->ResetWorld();
    auto* block = new Kest::Block(350, 290, 100, 20, textured ? red : "", false);
    if (!textured) block->SetFillColor(255, 0, 0, 255);
    Level().Insert(block);
    Kest::ScriptApi::RotateObject(block, 90.0);
    Draw();
    ExpectColours({{400, 340, kRed}, {400, 260, kRed}, {440, 300, kBlack}});
  }
  RemoveImage(red);
}

}  // namespace
}  // namespace TestSupport
