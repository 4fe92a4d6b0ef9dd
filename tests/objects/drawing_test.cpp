#include <gtest/gtest.h>

#include "game/objects/bitmapobject.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/line.h"
#include "game/objects/rope.h"
#include "game/objects/sprite.h"
#include "render/blenders.h"
#include "tessora/object.h"
#include "tests/support/screen.h"

namespace {

using namespace TestSupport;

using ObjectsOnScreen = ScreenTest;

// A filled block of the colour, its top-left corner at (x, y).
Kest::Block* Filled(float x, float y, float w, float h, int r, int g, int b) {
  auto* block = new Kest::Block(x, y, w, h, "", false);
  block->SetFillColor(r, g, b, 255);
  return block;
}

// Textures show whatever the visibility; colours only while visible; a
// line is seen only through a texture.
TEST_F(ObjectsOnScreen, ShapesDrawWithTheirTextureOrTheirColours) {
  const std::string red = WriteImage("res\\test_red.png", 20, 20, kRed);
  Level().Insert(new Kest::Circle(100, 50, 10, red, false));
  Level().Insert(Filled(300, 40, 20, 20, 0, 0, 255));
  Level().Insert(new Kest::Line(500, 50, 560, 50, "", false));
  for (Kest::Block* hidden : {new Kest::Block(200, 40, 20, 20, red, false), Filled(400, 40, 20, 20, 0, 0, 255)}) {
    hidden->SetVisible(false);
    Level().Insert(hidden);
  }
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(91, 41), kRed)) << "top-left at (x - r, y - r)";
  EXPECT_TRUE(IsColour(ReadPixel(210, 50), kRed));
  EXPECT_TRUE(IsColour(ReadPixel(310, 50), kBlue));
  EXPECT_TRUE(IsColour(ReadPixel(410, 50), kBlack));
  EXPECT_TRUE(IsColour(ReadPixel(530, 50), kBlack));
}

TEST_F(ObjectsOnScreen, SpritesShowOneFrameAtATime) {
  const std::string sheet = WriteImage("res\\test_sheet.png", 20, 10, kRed, kGreen);
  auto* sprite = new Kest::Sprite(sheet, 2, 10, 10, 2, 100.0f, 100, 100, true, false);
  Level().Insert(sprite);
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(105, 105), kRed));
  EXPECT_TRUE(IsColour(ReadPixel(115, 105), kBlack)) << "only the frame shows";

  app->UpdateAndDraw(100.0f, true);
  EXPECT_TRUE(IsColour(ReadPixel(105, 105), kGreen));

  auto* pinned = new Kest::Sprite(sheet, 2, 10, 10, 2, 100.0f, 10, 10, true, false);
  pinned->SetStatic(true);
  Level().Insert(pinned);
  app->SetCamera(ol::Vec2(500, 200));
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(15, 15), kRed));
}

// A plain sprite blends over what lies under it, whatever blending the
// objects drawn before it left behind.
TEST_F(ObjectsOnScreen, APlainSpriteDrawsWithAlphaBlending) {
  Level().Insert(Filled(90, 90, 40, 40, 0, 0, 255), -1);
  const std::string sheet = WriteImage("res\\test_sheet.png", 20, 10, kRed, kGreen);
  Level().Insert(new Kest::Sprite(sheet, 2, 10, 10, 2, 100.0f, 100, 100, true, false));
  ol::Blenders::Set(ol::ADDITIVE_BLENDER);
  Draw();
  const Pixel sprite = ReadPixel(105, 105);
  ol::Blenders::Set(ol::ALPHA_BLENDER);
  EXPECT_TRUE(IsColour(sprite, kRed)) << "not added to the blue under it";
  EXPECT_TRUE(IsColour(ReadPixel(125, 125), kBlue));
}

TEST_F(ObjectsOnScreen, APlayOnceSpriteGoesAfterDrawingItsLastFrame) {
  const std::string sheet = WriteImage("res\\test_sheet.png", 20, 10, kRed, kGreen);
  Level().Insert(new Kest::Sprite(sheet, 2, 10, 10, 2, 100.0f, 100, 100, false, false));
  app->UpdateAndDraw(100.0f, true);
  EXPECT_TRUE(IsColour(ReadPixel(105, 105), kGreen));
  Draw();
  EXPECT_TRUE(Level().empty());
  EXPECT_TRUE(IsColour(ReadPixel(105, 105), kBlack));
}

TEST_F(ObjectsOnScreen, RopesShowOnlyInColour) {
  auto* rope = new Kest::Rope(100, 300, 300, 300, 200, 0);
  rope->AttachStart(new Kest::Line(90, 300, 100, 300, "", false));
  rope->AttachEnd(new Kest::Line(300, 300, 310, 300, "", false));
  Level().Insert(rope);
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(200, 310), kBlack));

  rope->SetFirstColor(30, 0, 0, 255, 255);
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(200, 310), kBlue));
  EXPECT_TRUE(IsColour(ReadPixel(95, 310), kBlue)) << "the start anchor's box";
  EXPECT_TRUE(IsColour(ReadPixel(305, 310), kBlue)) << "the end anchor's box";
  EXPECT_TRUE(IsColour(ReadPixel(200, 340), kBlack));
}

// The anchor boxes go under the bands: where a rope that runs to the left
// hangs back over its start anchor's box, the band between the chain and
// the start level shows.
TEST_F(ObjectsOnScreen, RopeBandsLieOverTheStartAnchorsBox) {
  auto* rope = new Kest::Rope(300, 300, 200, 400, 150, 0);
  rope->AttachStart(new Kest::Line(290, 300, 300, 300, "", false));
  rope->AttachEnd(new Kest::Line(200, 400, 210, 400, "", false));
  rope->SetFirstColor(30, 0, 0, 255, 255);
  rope->SetSecondColor(0, 255, 0, 255);
  Level().Insert(rope);
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(293, 304), kGreen)) << "the band over the box";
  EXPECT_TRUE(IsColour(ReadPixel(298, 320), kBlue)) << "the box below the chain";
}

TEST_F(ObjectsOnScreen, PicturesOnTheScreenAndOnABody) {
  const std::string red = WriteImage("res\\test_red.png", 20, 20, kRed);
  auto* hud = new Kest::Bitmap(10, 10, red);
  hud->SetScreenRelative(true);
  Level().Insert(hud);
  for (const bool dynamic : {true, false}) {
    auto* carrier = new Kest::Block(dynamic ? 380 : 80, 280, 40, 40, "", dynamic);
    carrier->SetVisible(false);
    Level().Insert(carrier);
    Level().Insert(new Kest::Bitmap(0, -100, red, carrier));
  }
  app->SetCamera(ol::Vec2(-300, 50));
  Draw();
  EXPECT_TRUE(IsColour(ReadPixel(15, 15), kRed));
  EXPECT_TRUE(IsColour(ReadPixel(700, 150), kRed)) << "centred on the body plus the offset";
  EXPECT_TRUE(IsColour(ReadPixel(400, 150), kRed)) << "a static carrier does not turn it";
  EXPECT_TRUE(IsColour(ReadPixel(400, 170), kBlack));
}

}  // namespace
