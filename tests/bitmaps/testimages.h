// Small images the bitmap tests draw themselves and write as PNG files into
// a scratch folder beside the test program (removed at exit).
#pragma once

#include <functional>
#include <string>

struct BITMAP;

namespace BitmapTests {

struct Pixel {
  int r = 0;
  int g = 0;
  int b = 0;
  int a = 255;
};

using Painter = std::function<Pixel(int x, int y)>;

// Needs Allegro started. depth 24 drops the alpha of the painter.
BITMAP* MakeImage(int depth, int w, int h, const Painter& paint);

// Writes the image as scratch/<name> and destroys it; returns the name
// relative to the test program's folder, with the game's backslash.
std::string SavePng(BITMAP* image, const std::string& name);

// The scratch folder's absolute path (trailing '/').
std::string ScratchPath();

// An image of four quadrants: red, green above; blue, white below.
Pixel Quadrants(int x, int y, int w, int h);

}  // namespace BitmapTests
