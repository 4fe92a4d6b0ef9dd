// A static object that a script turns collides turned, and is drawn as it
// collides.
#include <gtest/gtest.h>

#include "game/objects/block.h"
#include "script/objectfunctions.h"
#include "tests/support/screen.h"

namespace TestSupport {
namespace {

class TurnedStatic : public ScreenTest {};

// A 100 x 20 block around (400, 300), turned a quarter: it stands upright.
TEST_F(TurnedStatic, TexturedAndFilledBlocksDrawTurned) {
  const std::string red = WriteImage("res\\turned.png", 100, 20, kRed);
  for (bool textured : {true, false}) {
    SCOPED_TRACE(textured ? "textured" : "filled");
    app->ResetWorld();
    auto* block = new Kest::Block(350, 290, 100, 20, textured ? red : "", false);
    if (!textured) block->SetFillColor(255, 0, 0, 255);
    Level().Insert(block);
    Kest::ScriptApi::RotateObject(block, 90.0);
    Draw();
    EXPECT_TRUE(IsColour(ReadPixel(400, 340), kRed));
    EXPECT_TRUE(IsColour(ReadPixel(400, 260), kRed));
    EXPECT_TRUE(IsColour(ReadPixel(440, 300), kBlack));
  }
  RemoveImage(red);
}

}  // namespace
}  // namespace TestSupport
