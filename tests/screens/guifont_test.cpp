// The global widget font and the image fonts the screens load.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>

#include <guichan/exception.hpp>
#include <guichan/image.hpp>
#include <guichan/imagefont.hpp>
#include <guichan/widgets/label.hpp>

#include "game/screens/guifont.h"
#include "game/screens/imagefontfile.h"
#include "tests/support/glscreen/screen.h"
#include "tests/screens/guifiles.h"
#include "tests/support/tracecapture.h"

namespace {

// The menus read the keyboard and the mouse.
const bool screen = (GlSupport::OpenScreenForEveryTest([] {
                       install_keyboard();
                       install_mouse();
                     }),
                     true);

using ScreenTests::WriteFontStrip;

const char kFixedFontFile[] = "res/fixedfont.png";
constexpr int kGuiGlyphs = 77;

// Cell widths that tell the glyphs' places in the strip apart; a glyph the
// font does not know takes the space's width, 1.
int CellWidth(int glyph) { return glyph == 0 ? 1 : 2 + glyph % 5; }

const gcn::ImageFont* FontOfANewLabel() {
  const gcn::Label label("text");
  return dynamic_cast<const gcn::ImageFont*>(label.getFont());
}

TEST(GuiFont, InstallsTheImageLoaderAndTheGlobalFontWhileItLives) {
  WriteFontStrip(kFixedFontFile, kGuiGlyphs, CellWidth, 9);
  {
    Kest::GuiFont guiFont;
    EXPECT_NE(gcn::Image::getImageLoader(), nullptr);
    const gcn::ImageFont* font = FontOfANewLabel();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->getHeight(), 9);
    // Space, the letters, the Latin-1 capitals, the digits and the signs, at their places in the strip.
    const std::pair<unsigned char, int> places[] = {
        {' ', 0}, {'a', 1}, {'Z', 52}, {0xC5, 53}, {0xD6, 55}, {'0', 56}, {'\\', 70}, {'+', 76}};
    for (const auto& [glyph, place] : places) {
      SCOPED_TRACE(int(glyph));
      EXPECT_EQ(font->getWidth(glyph), CellWidth(place));
    }
  }
  EXPECT_EQ(FontOfANewLabel(), nullptr);
  EXPECT_EQ(gcn::Image::getImageLoader(), nullptr);
  std::remove(kFixedFontFile);
}

TEST(GuiFont, AMissingFontFileLeavesTheLibrarysFontAndOneLogLine) {
  std::remove(kFixedFontFile);
  TestSupport::TraceCapture trace;
  Kest::GuiFont guiFont;
  EXPECT_EQ(FontOfANewLabel(), nullptr);
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Cannot load font: res\\fixedfont.png"});
}

// A missing file, an image without separators, a strip of too few glyphs: each message names the file.
TEST(LoadImageFont, ABrokenStripThrowsNamingTheFile) {
  Kest::GuiFont guiFont;  // the image loader
  const std::string plain = GlSupport::SavePng(GlSupport::MakeImage(32, 20, 8, [](int, int) { return GlSupport::Pixel{255, 0, 255, 255}; }), "plain.png");
  WriteFontStrip("res/short.png", 2, CellWidth, 8);
  const std::string files[] = {"res\\missing.png", plain, "res\\short.png"};
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    try {
      Kest::LoadImageFont(file, "abc");
      ADD_FAILURE() << "no exception";
    } catch (const gcn::Exception& e) {
      EXPECT_NE(e.getMessage().find(file), std::string::npos) << e.getMessage();
    }
  }
  std::remove("res/short.png");
}

}  // namespace
