#include "tests/screens/guifiles.h"

#include <allegro.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/bitmaps/testimages.h"

namespace ScreenTests {

namespace {

void Save(const std::string& file, int width, int height, const BitmapTests::Painter& paint) {
  std::filesystem::create_directories(std::filesystem::path(file).parent_path());
  BITMAP* image = BitmapTests::MakeImage(32, width, height, paint);
  save_bitmap(file.c_str(), image, nullptr);
  destroy_bitmap(image);
}

}  // namespace

void WriteFontStrip(const std::string& file, int glyphs, const std::function<int(int)>& width,
                    int height) {
  std::vector<bool> separator(1, true);
  for (int glyph = 0; glyph < glyphs; ++glyph) {
    separator.insert(separator.end(), std::size_t(width(glyph)), false);
    separator.push_back(true);
  }
  const BitmapTests::Painter paint = [&separator](int x, int) {
    if (separator[std::size_t(x)]) return BitmapTests::Pixel{255, 0, 255, 255};
    return BitmapTests::Pixel{255, 255, 255, 255};
  };
  Save(file, int(separator.size()), height, paint);
}

void WriteSolidImage(const std::string& file, int width, int height, int r, int g, int b) {
  Save(file, width, height, [=](int, int) { return BitmapTests::Pixel{r, g, b, 255}; });
}

void RemoveImage(const std::string& file) { std::remove(file.c_str()); }

}  // namespace ScreenTests
