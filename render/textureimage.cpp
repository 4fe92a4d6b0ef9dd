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

// An image of another depth, as an opaque 32-bit copy; a paletted one reads
// its colours from the file's palette.
BITMAP* OpaqueCopy32(BITMAP* image, const PALETTE palette) {
  BITMAP* copy = create_bitmap_ex(32, image->w, image->h);
  if (copy == nullptr) return nullptr;
  const int depth = bitmap_color_depth(image);
  select_palette(palette);
  for (int y = 0; y < image->h; ++y) {
    for (int x = 0; x < image->w; ++x) {
      const int c = getpixel(image, x, y);
      _putpixel32(copy, x, y,
                  makeacol32(getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c), 255));
    }
  }
  unselect_palette();
  return copy;
}

}  // namespace

// The image is read at the file's own depth: converted to 32 bits on
// loading, an image without alpha would come with alpha 0 everywhere, and
// could not be told from a wholly transparent one. Only files with an
// alpha channel load as 32 bits, and keep their alpha whatever it is.
LoadedImage LoadImageFile(const std::string& path) {
  LoadedImage loaded;
  if (path.size() > kLongestPath) return loaded;
  const int conversion = get_color_conversion();
  set_color_conversion(COLORCONV_NONE);
  PALETTE palette;
  BITMAP* image = load_bitmap(path.c_str(), palette);
  set_color_conversion(conversion);
  if (image == nullptr || bitmap_color_depth(image) == 32) {
    loaded.bitmap = image;
    return loaded;
  }
  loaded.alphaFilled = true;
  loaded.bitmap = OpaqueCopy32(image, palette);
  destroy_bitmap(image);
  return loaded;
}

}  // namespace ol
