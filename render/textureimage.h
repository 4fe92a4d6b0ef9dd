// Reading an image file into a 32-bit memory bitmap that the texture upload
// can take as it is.
#pragma once

#include <string>

struct BITMAP;

namespace ol {

struct LoadedImage {
  BITMAP* bitmap = nullptr;  // 32 bits a pixel; null when the file could not be read
  bool alphaFilled = false;  // the file had no alpha of its own: made opaque
};

// Loads a PNG (or any image type the library reads) from a native path.
// An image without an alpha channel becomes fully opaque; one with an alpha
// channel keeps it unchanged, even when every pixel is transparent. A path
// of over 1023 bytes is not read.
LoadedImage LoadImageFile(const std::string& path);

}  // namespace ol
