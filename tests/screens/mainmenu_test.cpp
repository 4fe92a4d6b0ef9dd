// The main menu on a real screen; its buttons are pressed by the end-to-end test.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdio>
#include <cstring>
#include <set>

#include "game/screens/fontglyphs.h"
#include "game/screens/guifont.h"
#include "game/screens/mainmenu.h"
#include "render/transforms.h"
#include "tests/support/glscreen/screen.h"
#include "tests/screens/guifiles.h"
#include "tests/screens/escapekey.h"
#include "tests/support/gamerun.h"
#include "tests/support/tracecapture.h"

namespace {

// What the X server shows, from a screenshot: the window stands at its top left.
class ShownPicture {
 public:
  ShownPicture() {
    TestSupport::CommandOutput("import -window root shown.png");
    // A shot of few colours is a paletted file: read it as true colour.
    set_color_conversion(COLORCONV_TOTAL);
    image_ = load_bitmap("shown.png", nullptr);
  }
  ~ShownPicture() {
    if (image_) destroy_bitmap(image_);
    std::remove("shown.png");
  }
  GlSupport::Pixel At(int x, int y) const {
    if (!image_) return GlSupport::Pixel{-1, -1, -1, -1};
    const int depth = bitmap_color_depth(image_);
    const int c = getpixel(image_, x, y);
    return GlSupport::Pixel{getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c), 255};
  }

 private:
  BITMAP* image_ = nullptr;
};

// The text of one row of the picture in the test's menu font: each run of white pixels is one glyph, its width
// telling which.
std::string ReadRow(const ShownPicture& shown, int y, int x0, int x1) {
  std::string text;
  int run = 0;
  for (int x = x0; x <= x1; ++x) {
    const GlSupport::Pixel p = shown.At(x, y);
    if (p.r > 240 && p.g > 240 && p.b > 240) {
      ++run;
      continue;
    }
    if (run >= 2 && run - 2 < int(std::strlen(Kest::kMenuFontGlyphs))) text += Kest::kMenuFontGlyphs[run - 2];
    run = 0;
  }
  return text;
}

class MainMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Glyph i is a white block i + 2 pixels wide, one see-through column after it: a caption can be read back.
    ScreenTests::WriteFontStrip("res/menufont.png", 42, [](int glyph) { return glyph + 3; }, 20, 1);
    menu = std::make_unique<Kest::MainMenu>(
        GlSupport::SavePng(GlSupport::MakeImage(32, 8, 6, [](int, int) { return GlSupport::Pixel{100, 100, 100, 255}; }), "menubg.png"));
  }
  Kest::GuiFont guiFont;  // the image loader
  std::unique_ptr<Kest::MainMenu> menu;
};

// Esc is read at the start of a pass, and the pass still draws. The menu
// starts untinted, whatever fade the game left behind.
TEST_F(MainMenuTest, EscEndsTheMenuAfterItsPassAndItRunsAgain) {
  ol::Transforms::SetTintColor(ol::Rgba(0.0f, 0.0f, 0.0f, 1.0f));
  {
    const ScreenTests::EscapeKey escape;
    EXPECT_FALSE(menu->Run());
  }
  EXPECT_EQ(menu->GetFont(), nullptr) << "the widgets are deleted";

  const ShownPicture shown;
  EXPECT_NEAR(shown.At(100, 400).r, 100, 2) << "the background";
  EXPECT_NEAR(shown.At(360, 300).b, 100, 2) << "the window keeps 30 pixels from the right";
  const GlSupport::Pixel window = shown.At(390, 450);
  EXPECT_GT(window.b, window.r + 40) << "the window's blue over the background";
  EXPECT_GT(shown.At(572, 351).b, window.b) << "the quit button's deeper blue";

  const ScreenTests::EscapeKey escape;
  EXPECT_FALSE(menu->Run());
}

// The buttons' captions, read back from the screen in the order they stand.
TEST_F(MainMenuTest, TheButtonsSayPlayScoresCreditsQuit) {
  {
    const ScreenTests::EscapeKey escape;
    menu->Run();
  }
  const ShownPicture shown;
  std::vector<std::string> captions;
  for (int y = 50; y < 550; ++y) {
    const std::string text = ReadRow(shown, y, 370, 770);
    if (!text.empty() && (captions.empty() || captions.back() != text)) captions.push_back(text);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"play", "scores", "credits", "quit"}));
}

TEST_F(MainMenuTest, AMissingMenuFontEndsTheMenuBeforeItsLoop) {
  std::remove("res/menufont.png");
  TestSupport::TraceCapture trace;
  ScreenTests::EscapeKey escape;  // a loop that ran anyway would take it
  EXPECT_FALSE(menu->Run());
  EXPECT_FALSE(escape.Taken()) << "the loop ran on half-built widgets";
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Cannot load font: res\\menufont.png"});
}

}  // namespace
