// The debug console on a real screen, with a font the test draws itself:
// where it stands, its wheelie box following the bike, its event list, and
// the keyboard left to the rider.
#include <gtest/gtest.h>

#include <allegro.h>

#include "game/screens/debugconsole.h"
#include "game/screens/guifont.h"
#include "tests/render/screen.h"
#include "tests/screens/guifiles.h"
#include "tests/screens/pixelcount.h"

namespace {

using ScreenTests::Area;
using ScreenTests::CountPixels;

constexpr int kFontHeight = 14;
// The window stands at (600, 0); the library's window puts its children 2
// pixels in from its left edge and 16 down from its top, below the title.
constexpr int kChildrenX = 602;
constexpr int kChildrenY = 16;
// Five figure rows and the box, each a font high with 10 pixels between.
constexpr int kBoxY = kChildrenY + 10 + 5 * (kFontHeight + 10);
constexpr int kListY = kBoxY + kFontHeight + 10;

bool IsBlack(const RenderTest::Pixel& p) { return p.r == 0 && p.g == 0 && p.b == 0; }

class DebugConsoleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ScreenTests::WriteFontStrip("res/fixedfont.png", 77, [](int) { return 5; }, kFontHeight);
  }
  void SetUp() override { RenderTest::ResetCanvas(); }

  // Inside the box's frame, where the tick goes.
  static int TickPixels() {
    return CountPixels(Area{kChildrenX + 10 + 2, kBoxY + 2, kFontHeight - 4, kFontHeight - 4},
                       ScreenTests::IsDark);
  }

  Kest::GuiFont guiFont;
  Kest::DebugConsole console;
};

TEST_F(DebugConsoleTest, StandsOnTheRightAndItsBoxFollowsTheFrontWheel) {
  console.figures.wheelie = true;
  console.Draw();
  EXPECT_EQ(CountPixels(Area{560, 0, 39, 600}, IsBlack), 39 * 600) << "the level beside it";
  EXPECT_EQ(CountPixels(Area{700, 300, 1, 1}, IsBlack), 0) << "its see-through window";
  EXPECT_GT(TickPixels(), 5);

  RenderTest::ResetCanvas();
  console.figures.wheelie = false;
  console.Draw();
  EXPECT_EQ(TickPixels(), 0);
}

// Each line is a row of the font's white glyphs; the list starts at the
// left of its scroll area, one line a font high.
TEST_F(DebugConsoleTest, TheListShowsTheLatest21Lines) {
  const Area firstGlyphs{kChildrenX + 10 + 2, kListY, 1, 30 * kFontHeight};
  for (int event = 0; event < 11; ++event) Kest::DebugConsole::Log("event");
  console.Draw();
  EXPECT_EQ(CountPixels(firstGlyphs, ScreenTests::IsWhite), 21 * kFontHeight);
}

// The rider's keys and the console's own Alt+C stay in the key buffer.
TEST_F(DebugConsoleTest, LeavesTheKeysToTheGame) {
  clear_keybuf();
  simulate_keypress(KEY_SPACE << 8 | ' ');
  console.Draw();
  EXPECT_TRUE(keypressed());
  clear_keybuf();
}

}  // namespace
