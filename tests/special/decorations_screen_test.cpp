// The decorations on the screen: blocks that glow around the bike, pictures
// shaded by it, and clouds that drift and wrap around the view.
#include <gtest/gtest.h>

#include "game/bike/bike.h"
#include "game/objects/block.h"
#include "game/objects/cloud.h"
#include "game/objects/compositeblock.h"
#include "game/objects/shadowbitmap.h"
#include "tests/support/screen.h"

namespace TestSupport {
namespace {

constexpr Pixel kDark{0, 0, 0};

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
  // A green backdrop under what the test draws.
  void AddBackdrop(float x, float y, float w, float h) {
    auto* backdrop = new Kest::Block(x, y, w, h, "", false);
    backdrop->SetFillColor(0, 255, 0, 255);
    Level().Insert(backdrop, -1);
  }
};

TEST_F(Decorations, CellsGlowByTheirCornersDistanceFromTheBike) {
  AddBackdrop(440, 290, 400, 120);
  // Cells from (450, 300) on: corners 50, 65, ... units right of the bike.
  const auto add = [&](float y, float w, int alpha, bool hideFar, int radius) {
    Level().Insert(new Kest::CompositeBlock(450, y, w, 15, true, false, false, alpha, hideFar,
                                            radius),
                   5);
  };
  add(300, 300, 255, false, 100);
  add(330, 300, 255, true, 100);
  add(360, 30, 128, false, 1000);
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(457, 307), Pixel{205, 0, 0}));
  EXPECT_TRUE(IsColour(ReadPixel(472, 307), Pixel{190, 0, 0}));
  EXPECT_TRUE(IsColour(ReadPixel(562, 307), kDark)) << "beyond the radius: opaque black";
  EXPECT_TRUE(IsColour(ReadPixel(562, 337), kGreen)) << "beyond the radius: hidden";
  EXPECT_TRUE(IsColour(ReadPixel(457, 337), Pixel{197, 0, 0})) << "near cells still show";
  // 255 - 78 = 177 red at alpha 128 over green.
  EXPECT_TRUE(IsColour(ReadPixel(457, 367), Pixel{89, 127, 0}));
}

// A block far larger than the view draws the cells in view, in the grid
// that starts at the block's corner; one cell at a time over the whole
// block would never end.
TEST_F(Decorations, AHugeBlockDrawsTheCellsInViewOnItsOwnGrid) {
  Kest::Bike::GetInstance()->MoveTo(0.0f, 0.0f);
  app->SetCamera(ol::Vec2(0, 0));
  AddBackdrop(0, 0, 800, 600);
  // Cell corners at 5 + 15k on both axes.
  Level().Insert(new Kest::CompositeBlock(-1499995, -1499995, 3e6f, 3e6f, false, true, false, 255,
                                          false, 100000));
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(2, 2), Pixel{0, 241, 0})) << "the cell from (-10, -10)";
  EXPECT_TRUE(IsColour(ReadPixel(7, 7), Pixel{0, 248, 0})) << "the cell from (5, 5)";
  EXPECT_TRUE(IsColour(ReadPixel(22, 7), Pixel{0, 235, 0})) << "the cell from (20, 5)";
  EXPECT_TRUE(IsColour(ReadPixel(7, 22), Pixel{0, 235, 0})) << "the cell from (5, 20)";
  EXPECT_TRUE(IsColour(ReadPixel(799, 599), kDark)) << "the last cell in view, far from the bike";
}

TEST_F(Decorations, APictureIsLitAtEachCornerByTheBikesDistance) {
  const std::string white = WriteImage("art\\white.png", 100, 100, kWhite);
  Level().Insert(new Kest::ShadowBitmap(400, 300, white), 5);
  Level().Insert(new Kest::ShadowBitmap(600, 300, ""), 5);
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(400, 300), Pixel{254, 254, 254}));
  EXPECT_TRUE(IsColour(ReadPixel(499, 300), Pixel{155, 155, 155}));
  EXPECT_TRUE(IsColour(ReadPixel(400, 399), Pixel{155, 155, 155}));
  EXPECT_TRUE(IsColour(ReadPixel(499, 399), Pixel{114, 114, 114}));
  RemoveImage(white);
}

struct WrapCase {
  ol::Vec2 speed;
  ol::Vec2 fraction;  // of the screen, where the cloud starts
  int updatesInView;  // the last update that leaves it on its side
  ol::Vec2 wrapped;   // from the camera, after one more
};

// A 100 x 50 cloud with the camera at (1000, 2000).
TEST_F(Decorations, ACloudThatDriftsOutOnOneSideComesBackOnTheOther) {
  const std::string image = WriteImage("art\\cloud.png", 100, 50, kWhite);
  const ol::Vec2 camera(1000, 2000);
  app->SetCamera(camera);
  const WrapCase cases[] = {
      {ol::Vec2(-1, 0), ol::Vec2(0, 0.25f), 200, ol::Vec2(800, 150)},
      {ol::Vec2(1, 0), ol::Vec2(1, 0.25f), 100, ol::Vec2(-150, 150)},
      {ol::Vec2(0, -1), ol::Vec2(0.5f, 0), 150, ol::Vec2(400, 600)},
      {ol::Vec2(0, 1), ol::Vec2(0.5f, 1), 100, ol::Vec2(400, -100)},
  };
  for (const WrapCase& c : cases) {
    Kest::Cloud cloud(image, 7.0f, c.speed.x, c.speed.y, c.fraction.x, c.fraction.y);
    for (int i = 0; i < c.updatesInView; ++i) cloud.Update(16.0f);
    EXPECT_EQ(cloud.GetX(), camera.x + c.fraction.x * 800 + c.speed.x * c.updatesInView);
    EXPECT_EQ(cloud.GetY(), camera.y + c.fraction.y * 600 + c.speed.y * c.updatesInView);
    cloud.Update(0.0f);
    EXPECT_EQ(cloud.GetX(), camera.x + c.wrapped.x) << c.speed.x << ", " << c.speed.y;
    EXPECT_EQ(cloud.GetY(), camera.y + c.wrapped.y) << c.speed.x << ", " << c.speed.y;
  }
  RemoveImage(image);
}

TEST_F(Decorations, ACloudStartsAtItsScreenFractionOrAtTheFractionsWithoutAPicture) {
  const std::string image = WriteImage("art\\cloud.png", 100, 50, kWhite);
  app->SetCamera(ol::Vec2(1000, 2000));
  const Kest::Cloud clamped(image, 0, 0, 0, 1.5f, 1.5f);
  EXPECT_EQ(clamped.GetX(), 1800.0f) << "x held to the screen";
  EXPECT_EQ(clamped.GetY(), 2900.0f) << "y not held";
  const Kest::Cloud missing("art\\no_such_cloud.png", 0, 0, 0, 0.5f, 0.25f);
  EXPECT_EQ(missing.GetX(), 1000.5f);
  EXPECT_EQ(missing.GetY(), 2000.25f);
  RemoveImage(image);
}

}  // namespace
}  // namespace TestSupport
