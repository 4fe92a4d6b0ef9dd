// The objectives window and the debug console drawn over the level, with a font and an icon the test draws itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "game/screens/debugconsole.h"
#include "game/screens/guifont.h"
#include "game/screens/objectiveswindow.h"
#include "tests/support/glscreen/screen.h"
#include "tests/screens/guifiles.h"
#include "tests/support/tracecapture.h"

namespace {

using GlSupport::Pixel;

struct Area {
  int x, y, w, h;
};

int CountPixels(const Area& area, const std::function<bool(const Pixel&)>& wanted) {
  int count = 0;
  for (int y = area.y; y < area.y + area.h; ++y) {
    for (int x = area.x; x < area.x + area.w; ++x) count += wanted(GlSupport::ReadPixel(x, y));
  }
  return count;
}

bool IsRed(const Pixel& p) { return p.r > 200 && p.g < 60 && p.b < 60; }
bool IsWhite(const Pixel& p) { return p.r > 240 && p.g > 240 && p.b > 240; }
bool IsBlack(const Pixel& p) { return p.r == 0 && p.g == 0 && p.b == 0; }
bool IsDark(const Pixel& p) { return p.r < 60 && p.g < 60 && p.b < 60; }

constexpr int kFontHeight = 14;
constexpr int kGlyphWidth = 5;
// The library's window puts its children 2 pixels in from its left edge and 16 down from its top, below the title.
// The objectives window stands at (200, 150), the console at (600, 0).
constexpr int kGoalsX = 202;
constexpr int kGoalsY = 166;
constexpr int kConsoleX = 602;
constexpr int kConsoleY = 16;

class PlayWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ScreenTests::WriteFontStrip("res/fixedfont.png", 77, [](int) { return kGlyphWidth; }, kFontHeight);
  }
  void SetUp() override {
    ScreenTests::WriteImageFile("res/objective.png", 32, 32, 255, 0, 0);
    Kest::ObjectivesWindow::Create();
    goals = Kest::ObjectivesWindow::GetInstance();
    GlSupport::ResetCanvas();
  }
  void TearDown() override { Kest::ObjectivesWindow::Destroy(); }

  // The goals as a level load leaves them: cleared, added, rebuilt.
  void ShowGoals(const std::vector<std::string>& texts) {
    goals->Clear();
    for (const std::string& text : texts) goals->AddObjective(text);
    goals->Rebuild();
    goals->Draw();
  }

  // Row k's icon, and its text of `glyphs` glyphs centred on it.
  static Area Icon(int row) { return Area{kGoalsX + 20, kGoalsY + 10 + 42 * row, 32, 32}; }
  static Area Text(int row, int glyphs) {
    return Area{kGoalsX + 70, Icon(row).y + (32 - kFontHeight) / 2, glyphs * kGlyphWidth, kFontHeight};
  }
  // The area with a pixel's border around it.
  static Area Around(const Area& a) { return Area{a.x - 1, a.y - 1, a.w + 2, a.h + 2}; }
  // Inside the wheelie box, below five figure rows, where its tick goes.
  static int TickPixels() {
    const Area inside{kConsoleX + 12, kConsoleY + 10 + 5 * (kFontHeight + 10) + 2, kFontHeight - 4,
                      kFontHeight - 4};
    return CountPixels(inside, IsDark);
  }

  Kest::GuiFont guiFont;
  Kest::ObjectivesWindow* goals = nullptr;
  Kest::DebugConsole console;
};

TEST_F(PlayWindows, EachGoalIsARowWithItsIconAndItsTextCentredOnIt) {
  ShowGoals({"ab", "cde", "f"});
  const int glyphs[] = {2, 3, 1};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(CountPixels(Around(Icon(row)), IsRed), 32 * 32);
    const Area text = Text(row, glyphs[row]);
    EXPECT_EQ(CountPixels(Around(text), IsWhite), text.w * text.h);
  }
  GlSupport::ResetCanvas();
  ShowGoals({"gh"});
  goals->AddObjective("added in play");
  GlSupport::ResetCanvas();
  goals->Draw();
  EXPECT_EQ(CountPixels(Icon(1), IsRed), 0) << "other goals replace the rows, and one added in play is not shown";
  EXPECT_EQ(CountPixels(Text(1, 1), IsWhite), 0);
}

TEST_F(PlayWindows, WithoutTheIconImageTheGoalsHaveTextOnly) {
  std::remove("res/objective.png");
  TestSupport::TraceCapture trace;
  ShowGoals({"ab", "cd"});
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(CountPixels(Icon(row), IsRed), 0);
    EXPECT_EQ(CountPixels(Text(row, 2), IsWhite), Text(row, 2).w * kFontHeight);
  }
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Cannot load image: res\\objective.png"});
}

// The console keeps to the right-hand 200 pixels; its box shows the flag whatever it showed before.
TEST_F(PlayWindows, TheConsolesBoxFollowsTheFrontWheel) {
  for (const bool wheelie : {true, false, true}) {
    GlSupport::ResetCanvas();
    console.figures.wheelie = wheelie;
    console.Draw();
    EXPECT_EQ(TickPixels() > 5, wheelie);
  }
  EXPECT_EQ(CountPixels(Area{560, 0, 39, 600}, IsBlack), 39 * 600);
}

}  // namespace
