#include "tests/screens/pixelcount.h"

namespace ScreenTests {

int CountPixels(const Area& area, const std::function<bool(const RenderTest::Pixel&)>& wanted) {
  int count = 0;
  for (int y = area.y; y < area.y + area.h; ++y) {
    for (int x = area.x; x < area.x + area.w; ++x) count += wanted(RenderTest::ReadPixel(x, y));
  }
  return count;
}

}  // namespace ScreenTests
