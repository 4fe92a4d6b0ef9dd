// The "Level objectives" window on a real screen, with a font and an icon
// the test draws itself: one row per goal, rows rebuilt when the goals
// change, rows without icons when the icon is missing, and the keyboard left
// to the game.
#include <gtest/gtest.h>

#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <filesystem>

#include "game/screens/guifont.h"
#include "game/screens/objectiveswindow.h"
#include "tests/render/screen.h"
#include "tests/screens/guifiles.h"
#include "tests/screens/pixelcount.h"
#include "tests/support/tracecapture.h"

namespace {

using ScreenTests::Area;
using ScreenTests::CountPixels;
using ScreenTests::IsRed;
using ScreenTests::IsWhite;

constexpr int kFontHeight = 14;
constexpr int kGlyphWidth = 5;
// The window stands at (200, 150); the library's window puts its children
// 2 pixels in from its left edge and 16 down from its top, below the title.
constexpr int kChildrenX = 202;
constexpr int kChildrenY = 166;

void WriteIcon() {
  BITMAP* image = create_bitmap_ex(32, 32, 32);
  clear_to_color(image, makeacol32(255, 0, 0, 255));
  save_png("res/objective.png", image, nullptr);
  destroy_bitmap(image);
}

class ObjectivesWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ScreenTests::WriteFontStrip("res/fixedfont.png", 77, [](int) { return kGlyphWidth; }, kFontHeight);
  }
  void SetUp() override {
    WriteIcon();
    Kest::ObjectivesWindow::Create();
    window = Kest::ObjectivesWindow::GetInstance();
    RenderTest::ResetCanvas();
  }
  void TearDown() override {
    Kest::ObjectivesWindow::Destroy();
    std::remove("res/objective.png");
  }

  // The icon of row k, and its text of `glyphs` glyphs.
  static Area Icon(int row) { return Area{kChildrenX + 20, kChildrenY + 10 + 42 * row, 32, 32}; }
  static Area Text(int row, int glyphs) {
    return Area{kChildrenX + 70, Icon(row).y + (32 - kFontHeight) / 2, glyphs * kGlyphWidth, kFontHeight};
  }
  static Area Above(const Area& a) { return Area{a.x, a.y - 1, a.w, 1}; }
  static Area Below(const Area& a) { return Area{a.x, a.y + a.h, a.w, 1}; }

  Kest::GuiFont guiFont;
  Kest::ObjectivesWindow* window = nullptr;
};

TEST_F(ObjectivesWindowTest, EachGoalIsARowWithItsIconAndItsTextCentredOnIt) {
  window->Draw({"ab", "cde", "f"});
  const int glyphs[] = {2, 3, 1};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    const Area icon = Icon(row);
    EXPECT_EQ(CountPixels(icon, IsRed), 32 * 32);
    EXPECT_EQ(CountPixels(Above(icon), IsRed), 0);
    EXPECT_EQ(CountPixels(Below(icon), IsRed), 0);
    const Area text = Text(row, glyphs[row]);
    EXPECT_EQ(CountPixels(text, IsWhite), text.w * text.h);
    EXPECT_EQ(CountPixels(Above(text), IsWhite), 0);
    EXPECT_EQ(CountPixels(Below(text), IsWhite), 0);
  }
  EXPECT_EQ(CountPixels(Icon(3), IsRed), 0);
}

TEST_F(ObjectivesWindowTest, OtherGoalsReplaceTheRows) {
  window->Draw({"ab", "cd", "ef"});
  RenderTest::ResetCanvas();
  window->Draw({"gh"});
  EXPECT_EQ(CountPixels(Text(0, 2), IsWhite), 2 * kGlyphWidth * kFontHeight);
  EXPECT_EQ(CountPixels(Icon(1), IsRed), 0);
  EXPECT_EQ(CountPixels(Text(1, 2), IsWhite), 0);
}

TEST_F(ObjectivesWindowTest, WithoutTheIconImageTheRowsHaveTextOnly) {
  std::remove("res/objective.png");
  TestSupport::TraceCapture trace;
  window->Draw({"ab", "cd"});
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(CountPixels(Icon(row), IsRed), 0);
    EXPECT_EQ(CountPixels(Text(row, 2), IsWhite), 2 * kGlyphWidth * kFontHeight);
  }
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Cannot load image: res\\objective.png"});
}

// The key that starts the level must reach the main loop.
TEST_F(ObjectivesWindowTest, LeavesTheKeysToTheGame) {
  clear_keybuf();
  simulate_keypress((KEY_ENTER << 8) | 13);
  window->Draw({"ab"});
  EXPECT_TRUE(keypressed());
  clear_keybuf();
}

}  // namespace
