#include "tests/screens/guifiles.h"

#include <allegro.h>

#include <filesystem>
#include <vector>

#include "tests/support/glscreen/screen.h"

namespace ScreenTests {

namespace {

void SaveImage(const std::string& file, BITMAP* image) {
  std::filesystem::create_directories(std::filesystem::path(file).parent_path());
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
  SaveImage(file, GlSupport::MakeImage(32, int(separator.size()), height, [&separator](int x, int) {
              return GlSupport::Pixel{255, separator[std::size_t(x)] ? 0 : 255, 255, 255};
            }));
}

void WriteImageFile(const std::string& file, int w, int h, int r, int g, int b) {
  SaveImage(file, GlSupport::MakeImage(32, w, h, [=](int, int) { return GlSupport::Pixel{r, g, b, 255}; }));
}

}  // namespace ScreenTests
