#include "tests/screens/guifiles.h"

#include <allegro.h>

#include <filesystem>
#include <vector>

#include "tests/support/glscreen/screen.h"


namespace ScreenTests {

void WriteFontStrip(const std::string& file, int glyphs, const std::function<int(int)>& width,
                    int height) {
  std::vector<bool> separator(1, true);
  for (int glyph = 0; glyph < glyphs; ++glyph) {
    separator.insert(separator.end(), std::size_t(width(glyph)), false);
    separator.push_back(true);
  }
  const GlSupport::Painter paint = [&separator](int x, int) {
    if (separator[std::size_t(x)]) return GlSupport::Pixel{255, 0, 255, 255};
    return GlSupport::Pixel{255, 255, 255, 255};
  };
  std::filesystem::create_directories(std::filesystem::path(file).parent_path());
  BITMAP* image = GlSupport::MakeImage(32, int(separator.size()), height, paint);
  save_bitmap(file.c_str(), image, nullptr);
  destroy_bitmap(image);
}

}  // namespace ScreenTests
