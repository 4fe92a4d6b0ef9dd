// Counting the back buffer's pixels of a kind in an area of the screen.
#pragma once

#include <functional>

#include "tests/render/screen.h"

namespace ScreenTests {

struct Area {
  int x;
  int y;
  int w;
  int h;
};

int CountPixels(const Area& area, const std::function<bool(const RenderTest::Pixel&)>& wanted);

inline bool IsRed(const RenderTest::Pixel& p) { return p.r > 200 && p.g < 60 && p.b < 60; }
inline bool IsWhite(const RenderTest::Pixel& p) { return p.r > 240 && p.g > 240 && p.b > 240; }
inline bool IsDark(const RenderTest::Pixel& p) { return p.r < 60 && p.g < 60 && p.b < 60; }

}  // namespace ScreenTests
