#include "render/textureupload.h"

#include <algorithm>

#include "render/allegrodriver.h"
#include "render/gl.h"
#include "render/graphicsdriver.h"
#include "render/opaquetextures.h"

namespace ol {
namespace {

bool forcePowerOfTwo = false;

constexpr int BYTES_PER_PIXEL = 4;

unsigned char* PixelAt(TexturePixels& texture, int x, int row) {
  return &texture.rgba[(static_cast<std::size_t>(row) * texture.width + x) * BYTES_PER_PIXEL];
}

void CopyImageRow(BITMAP* image, int y, unsigned char* out) {
  const int depth = bitmap_color_depth(image);
  for (int x = 0; x < image->w; ++x, out += BYTES_PER_PIXEL) {
    const int color = getpixel(image, x, y);
    out[0] = static_cast<unsigned char>(getr_depth(depth, color));
    out[1] = static_cast<unsigned char>(getg_depth(depth, color));
    out[2] = static_cast<unsigned char>(getb_depth(depth, color));
    out[3] = static_cast<unsigned char>(depth == 32 ? geta32(color) : 0);
  }
}

// Filtering at the image's right and bottom edges samples the texels beyond
// them (the corner one included): let them repeat the edge, not the padding.
void RepeatEdges(TexturePixels& texture, int imageW, int imageH) {
  const int bottomRow = texture.height - imageH;
  if (texture.width > imageW) {
    for (int row = bottomRow; row < texture.height; ++row) {
      std::copy_n(PixelAt(texture, imageW - 1, row), BYTES_PER_PIXEL, PixelAt(texture, imageW, row));
    }
  }
  if (bottomRow > 0) {
    const int repeated = std::min(imageW + 1, texture.width);
    std::copy_n(PixelAt(texture, 0, bottomRow), repeated * BYTES_PER_PIXEL,
                PixelAt(texture, 0, bottomRow - 1));
  }
}

}  // namespace

TexturePixels LayOutTexturePixels(BITMAP* image, bool powerOfTwo) {
  TexturePixels texture;
  texture.width = powerOfTwo ? NextPowerOfTwo(image->w) : image->w;
  texture.height = powerOfTwo ? NextPowerOfTwo(image->h) : image->h;
  texture.rgba.assign(static_cast<std::size_t>(texture.width) * texture.height * BYTES_PER_PIXEL, 0);
  // GL rows go upwards: image row 0 is the texture's top row.
  for (int y = 0; y < image->h; ++y) CopyImageRow(image, y, PixelAt(texture, 0, texture.height - 1 - y));
  RepeatEdges(texture, image->w, image->h);
  return texture;
}

// A single-level texture, tinted by the current colour and filtered without
// mipmaps (a mipmap filter would leave it incomplete, drawn white).
unsigned BindNewTexture() {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return texture;
}

TextureInfo UploadImageTexture(BITMAP* image) {
  const bool powerOfTwo =
      forcePowerOfTwo || !AllegroGraphicsDriver::HasExtension("GL_ARB_texture_non_power_of_two");
  const TexturePixels pixels = LayOutTexturePixels(image, powerOfTwo);
  TextureInfo info(pixels.width, pixels.height, image->w, image->h, GL_RGBA);
  info.texture = BindNewTexture();
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width, pixels.height, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, pixels.rgba.data());
  // Padding included: filtering at the image's edges may reach into it.
  OpaqueTextures::Record(info.texture, pixels.rgba);
  return info;
}

void ForcePowerOfTwoTextures(bool force) { forcePowerOfTwo = force; }

}  // namespace ol
