// Turning a memory bitmap into a texture. The image goes into the top rows
// of its texture; without non-power-of-two texture support the texture is
// widened to powers of two, the column right of the image and the row below
// it repeat the image's edge (so filtering at the edge does not pull in
// padding), and the rest of the padding is transparent black.
//
// The graphics driver's UploadBitmap is UploadImageTexture.
#pragma once

#include <vector>

#include "render/textureinfo.h"

struct BITMAP;

namespace ol {

struct TexturePixels {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // 4 bytes a pixel, GL row order (bottom row first)
};

// The texture's pixels for the image; powerOfTwo widens the texture.
TexturePixels LayOutTexturePixels(BITMAP* image, bool powerOfTwo);

// Makes a texture name and binds it as a single-level texture, tinted by the
// current colour and filtered without mipmaps.
unsigned BindNewTexture();

// Uploads the image and returns its record. The texture has a single level,
// so it is filtered without mipmaps.
TextureInfo UploadImageTexture(BITMAP* image);

// Makes every later upload use power-of-two textures even where the GL
// would take any size (to check that path on any machine).
void ForcePowerOfTwoTextures(bool force);

}  // namespace ol
