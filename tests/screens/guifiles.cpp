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
                    int height, int gap) {
  enum Column { kSeparator, kInk, kGap };
  std::vector<Column> columns(1, kSeparator);
  for (int glyph = 0; glyph < glyphs; ++glyph) {
    columns.insert(columns.end(), std::size_t(width(glyph) - gap), kInk);
    columns.insert(columns.end(), std::size_t(gap), kGap);
    columns.push_back(kSeparator);
  }
  SaveImage(file, GlSupport::MakeImage(32, int(columns.size()), height, [&columns](int x, int) {
              switch (columns[std::size_t(x)]) {
                case kSeparator: return GlSupport::Pixel{255, 0, 255, 255};
                case kInk: return GlSupport::Pixel{255, 255, 255, 255};
                default: return GlSupport::Pixel{0, 0, 0, 0};
              }
            }));
}

void WriteImageFile(const std::string& file, int w, int h, int r, int g, int b) {
  SaveImage(file, GlSupport::MakeImage(32, w, h, [=](int, int) { return GlSupport::Pixel{r, g, b, 255}; }));
}

}  // namespace ScreenTests
