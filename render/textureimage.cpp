#include "render/textureimage.h"

#include <allegro.h>

#include <cstddef>

namespace ol {
namespace {

// The library copies a file name into a buffer of 1024 bytes, cutting what
// is longer, and takes a '#' for the mark of an object in a packed file: a
// name cut before its '#' sent that lookup to no name at all, and crashed.
// No image of the game has so long a name.
constexpr std::size_t kLongestPath = 1023;

bool HasAlpha(BITMAP* image) {
  for (int y = 0; y < image->h; ++y) {
    for (int x = 0; x < image->w; ++x) {
      if (geta32(_getpixel32(image, x, y)) != 0) return true;
    }
  }
  return false;
}

void MakeOpaque(BITMAP* image) {
  for (int y = 0; y < image->h; ++y) {
    for (int x = 0; x < image->w; ++x) {
      const int c = _getpixel32(image, x, y);
      _putpixel32(image, x, y, makeacol32(getr32(c), getg32(c), getb32(c), 255));
    }
  }
}

// An image of another depth, as an opaque 32-bit copy.
BITMAP* OpaqueCopy32(BITMAP* image) {
  BITMAP* copy = create_bitmap_ex(32, image->w, image->h);
  if (copy == nullptr) return nullptr;
  const int depth = bitmap_color_depth(image);
  for (int y = 0; y < image->h; ++y) {
    for (int x = 0; x < image->w; ++x) {
      const int c = getpixel(image, x, y);
      _putpixel32(copy, x, y,
                  makeacol32(getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c), 255));
    }
  }
  return copy;
}

}  // namespace

LoadedImage LoadImageFile(const std::string& path) {
  LoadedImage loaded;
  if (path.size() > kLongestPath) return loaded;
  set_color_conversion(COLORCONV_8_TO_32 | COLORCONV_15_TO_32 | COLORCONV_16_TO_32 |
                       COLORCONV_24_TO_32);
  BITMAP* image = load_bitmap(path.c_str(), nullptr);
  if (image == nullptr) return loaded;
  if (bitmap_color_depth(image) == 32) {
    loaded.alphaFilled = !HasAlpha(image);
    if (loaded.alphaFilled) MakeOpaque(image);
    loaded.bitmap = image;
    return loaded;
  }
  loaded.alphaFilled = true;
  loaded.bitmap = OpaqueCopy32(image);
  destroy_bitmap(image);
  return loaded;
}

}  // namespace ol
