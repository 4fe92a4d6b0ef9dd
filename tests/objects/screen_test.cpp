#include <gtest/gtest.h>

#include <memory>

#include "game/objects/bitmapobject.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/line.h"
#include "game/objects/meters.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/rope.h"
#include "game/objects/sprite.h"
#include "render/bitmap.h"
#include "render/blenders.h"
#include "tests/support/screen.h"
#include "tests/support/tracecapture.h"

namespace {

using namespace TestSupport;

using ObjectsOnScreen = ScreenTest;

Kest::ResourceManager& Resources() { return *Kest::ResourceManager::GetInstance(); }

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
  ExpectColours({{91, 41, kRed, "top-left at (x - r, y - r)"}, {210, 50, kRed}, {310, 50, kBlue},
                 {410, 50, kBlack}, {530, 50, kBlack}});
}

// One frame at a time, blended over what lies under it whatever the blender
// before; a play-once sprite goes after its last frame; a pinned one stays.
TEST_F(ObjectsOnScreen, SpritesShowOneFrameAtATime) {
  const std::string sheet = WriteImage("res\\test_sheet.png", 20, 10, kRed, kGreen);
  Level().Insert(new Kest::Sprite(sheet, 2, 10, 10, 2, 100.0f, 100, 100, true, false));
  Level().Insert(Filled(290, 90, 40, 40, 0, 0, 255), -1);
  Level().Insert(new Kest::Sprite(sheet, 2, 10, 10, 2, 100.0f, 300, 100, false, false));
  auto* pinned = new Kest::Sprite(sheet, 2, 10, 10, 2, 100.0f, 10, 10, true, false);
  pinned->SetStatic(true);
  Level().Insert(pinned);
  ol::Blenders::Set(ol::ADDITIVE_BLENDER);
  Draw();
  ol::Blenders::Set(ol::ALPHA_BLENDER);
  ExpectColours({{105, 105, kRed}, {115, 105, kBlack, "only the frame"}, {305, 105, kRed, "not added"},
                 {325, 125, kBlue}});
  app->UpdateAndDraw(100.0f, true);
  ExpectColours({{105, 105, kGreen}, {305, 105, kGreen}});
  app->SetCamera(ol::Vec2(500, 200));
  Draw();
  EXPECT_EQ(Level().size(), 3u);
  ExpectColours({{15, 15, kGreen, "pinned"}});
}

// Nothing without a colour; the lower band reaches the anchors' boxes.
TEST_F(ObjectsOnScreen, RopesShowInTheirBands) {
  auto* rope = new Kest::Rope(100, 300, 300, 300, 200, 0);
  rope->AttachStart(new Kest::Line(90, 300, 100, 300, "", false));
  rope->AttachEnd(new Kest::Line(300, 300, 310, 300, "", false));
  Level().Insert(rope);
  auto* back = new Kest::Rope(700, 300, 600, 400, 150, 0);
  back->AttachStart(new Kest::Line(690, 300, 700, 300, "", false));
  back->AttachEnd(new Kest::Line(600, 400, 610, 400, "", false));
  back->SetFirstColor(30, 0, 0, 255, 255);
  back->SetSecondColor(0, 255, 0, 255);
  Level().Insert(back);
  Draw();
  ExpectColours({{200, 310, kBlack}, {693, 304, kGreen, "the band over the box"}, {698, 320, kBlue}});
  rope->SetFirstColor(30, 0, 0, 255, 255);
  Draw();
  ExpectColours({{200, 310, kBlue}, {95, 310, kBlue, "start box"}, {305, 310, kBlue, "end box"}, {200, 340, kBlack}});
}

// On the screen, or centred on a body plus the offset (a static carrier does not turn it).
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
  ExpectColours({{15, 15, kRed}, {700, 150, kRed}, {400, 150, kRed}, {400, 170, kBlack}});
}

TEST_F(ObjectsOnScreen, OneTextureServesEveryUserOfAFile) {
  const std::string file = WriteImage("res\\test_shared.png", 65, 33, kRed);
  std::unique_ptr<ol::Bitmap> first(Resources().GetBitmap(file));
  std::unique_ptr<ol::Bitmap> second(Resources().GetBitmap(file));
  ASSERT_TRUE(first && second && first->IsValid());
  EXPECT_NE(first.get(), second.get()) << "each user owns its own";
  EXPECT_EQ(first->GetTextureInfo().texture, second->GetTextureInfo().texture);
  EXPECT_EQ(second->Width(), 65);
}

// A file that failed is not looked for again in the level, which logs it
// once; the next level looks again.
TEST_F(ObjectsOnScreen, AMissingImageIsLookedForOncePerLevel) {
  TestSupport::TraceCapture trace;
  RemoveImage("res\\test_late.png");
  EXPECT_EQ(Resources().GetBitmap("res\\test_late.png"), nullptr);
  WriteImage("res\\test_late.png", 8, 8, kGreen);
  EXPECT_EQ(Resources().GetBitmap("res\\test_late.png"), nullptr);
  EXPECT_EQ(trace.Count("test_late.png"), 1);
  Kest::ResourceManager::Create();
  std::unique_ptr<ol::Bitmap> late(Resources().GetBitmap("res\\test_late.png"));
  EXPECT_TRUE(late && late->IsValid());
}

// What stands in the level's space stays the space's: registering it would give a second owner.
TEST_F(ObjectsOnScreen, ObjectsInTheSpaceAreNotRegistered) {
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
TEST_F(ObjectsOnScreen, TheBackgroundSurvivesANewResourceManager) {
  app->SetBgImage(WriteImage("res\\test_background.png", 800, 600, kBlue));
  Kest::ResourceManager::Create();
  Draw();
  ExpectColours({{400, 300, kBlue}});
  app->SetBgImage("res\\test_no_background.png");
  Draw();
  ExpectColours({{400, 300, kBlack}});
}

// The HUD keeps its place wherever the camera goes; bitmaps that did not load are left out.
TEST_F(ObjectsOnScreen, DialsAndCountdownStayOnTheScreen) {
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
