// The drawing tests' screen: one 800 x 600 OpenGL window for a whole test
// program, pixels read back from its back buffer (before any flip), and
// small images the tests paint themselves.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "render/bitmap.h"

struct BITMAP;

namespace GlSupport {

constexpr int WINDOW_W = 800;
constexpr int WINDOW_H = 600;

struct Pixel {
  int r = 0;
  int g = 0;
  int b = 0;
  int a = 255;
};

// Opens the screen before the program's first test and shuts the drawing
// layer down after its last. beforeScreen runs once the library has started,
// before the screen opens (loads queued then wait for it); afterScreen runs
// as soon as it is open.
void OpenScreenForEveryTest(std::function<void()> beforeScreen = {},
                            std::function<void()> afterScreen = {});

// Each test starts on an opaque black back buffer with no clipping, no
// camera, a white tint and alpha blending.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Canvas coordinates, y down.
Pixel ReadPixel(int x, int y);
// How many pixels of the area have a red byte above 127.
int CountRed(int x, int y, int w, int h);
void ExpectPixelNear(const Pixel& got, const Pixel& want, int tolerance = 2);

using Painter = std::function<Pixel(int x, int y)>;

// Needs the library started. Depth 24 drops the painter's alpha.
BITMAP* MakeImage(int depth, int w, int h, const Painter& paint);
// Writes the image into a scratch folder beside the test program (removed
// at exit) and destroys it; returns the name the game would use, with its
// backslash.
std::string SavePng(BITMAP* image, const std::string& name);
// The scratch folder's absolute path, with a trailing '/'.
std::string ScratchPath();
// Writes the image and loads it into a new bitmap.
std::unique_ptr<ol::Bitmap> LoadImage(BITMAP* image, const std::string& name);

// Four quadrants: red, green above; blue, white below.
Pixel Quadrants(int x, int y, int w, int h);

}  // namespace GlSupport
