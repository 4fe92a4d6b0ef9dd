// The font strips and pictures the screens load, drawn by the tests themselves into
// "res/" beside the test program, where the game finds its own.
#pragma once

#include <functional>
#include <string>

namespace ScreenTests {

// A glyph strip of `glyphs` opaque white cells, cell i `width(i)` pixels
// wide, with a magenta separator column before, between and after them; the
// last `gap` columns of each cell are see-through, so that glyphs drawn side
// by side stay apart.
void WriteFontStrip(const std::string& file, int glyphs, const std::function<int(int)>& width,
                    int height, int gap = 0);

// An image of w x h pixels of one colour, opaque white unless told.
void WriteImageFile(const std::string& file, int w, int h, int r = 255, int g = 255, int b = 255);

}  // namespace ScreenTests
