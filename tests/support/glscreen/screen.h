// One 800 x 600 OpenGL window per test program, read back from its back
// buffer, and small images the tests paint themselves.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// Opens the screen before the first test, shuts down after the last;
// beforeScreen runs once the library started, before the screen opens.
void OpenScreenForEveryTest(std::function<void()> beforeScreen = {});

// Opaque black, unclipped, no camera, white tint, alpha blending.
void ResetCanvas();

// Starts each test on a reset canvas.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Canvas coordinates, y down; ReadArea's rows come bottom first, RGBA.
std::vector<unsigned char> ReadArea(int x, int y, int w, int h);
Pixel ReadPixel(int x, int y);
// How many pixels of the area have a red byte above 127.
int CountRed(int x, int y, int w, int h);
void ExpectPixelNear(const Pixel& got, const Pixel& want, int tolerance = 2);

using Painter = std::function<Pixel(int x, int y)>;

// Needs the library started. Depth 24 drops the painter's alpha.
BITMAP* MakeImage(int depth, int w, int h, const Painter& paint);
// Writes and destroys the image in a scratch folder removed at exit; returns
// the name the game would use, with its backslash.
std::string SavePng(BITMAP* image, const std::string& name);
// The scratch folder's absolute path, with a trailing '/'.
std::string ScratchPath();
// Writes the image and loads it into a new bitmap.
std::unique_ptr<ol::Bitmap> LoadImage(BITMAP* image, const std::string& name);

// Four quadrants: red, green above; blue, white below.
Pixel Quadrants(int x, int y, int w, int h);

}  // namespace GlSupport
