// The real application's 800 x 600 window, opened once per program; a fresh level, images and pixel reads per test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/app/app.h"
#include "game/objects/space.h"

namespace TestSupport {

struct Pixel {
  int r = 0, g = 0, b = 0;
};

constexpr Pixel kBlack{0, 0, 0};
constexpr Pixel kRed{255, 0, 0};
constexpr Pixel kGreen{0, 255, 0};
constexpr Pixel kBlue{0, 0, 255};
constexpr Pixel kWhite{255, 255, 255};

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // One frame as the game draws it, without simulating.
  void Draw();
  Kest::Space& Level() { return *app->GetSpace(); }

  Kest::App* app = nullptr;
};

// Writes a w x h image of one colour (or two: the left half may take another) under the game's file name (for example
// "res\\dial.png", found beside the executable) and returns the name.
std::string WriteImage(const std::string& gameName, int w, int h, Pixel color);
std::string WriteImage(const std::string& gameName, int w, int h, Pixel left, Pixel right);
void RemoveImage(const std::string& gameName);

// A pixel of the back buffer in screen coordinates (y down).
Pixel ReadPixel(int x, int y);
// How many pixels of the box [x0, x1) x [y0, y1) are not black.
int CountDrawn(int x0, int y0, int x1, int y1);

::testing::AssertionResult IsColour(const Pixel& got, const Pixel& want);

// A place on the screen and the colour it should show.
struct Spot {
  int x, y;
  Pixel colour;
  const char* what = "";
};
void ExpectColours(std::initializer_list<Spot> spots);

}  // namespace TestSupport
