// What a bitmap knows about its texture: the GL name, the texture's size, the
// part of it that holds the image, and that part as texture coordinates.
// Uploaded images occupy the top rows of their texture (image row 0 is the
// texture's top row), so the rectangle's y counts up from the bottom.
#pragma once

namespace ol {

struct TextureInfo {
  unsigned int format = 0;   // GL pixel format (GL_RGBA for uploaded bitmaps)
  unsigned int texture = 0;  // GL texture name; 0 means none
  int textureWidth = 0;
  int textureHeight = 0;
  int imageWidth = 0;  // the part of the texture this bitmap shows
  int imageHeight = 0;
  int fullImageWidth = 0;  // the uploaded image, unchanged by sub-images
  int fullImageHeight = 0;
  float uScale = 0.0f;  // imageWidth / textureWidth
  float vScale = 0.0f;  // imageHeight / textureHeight
  // The shown part in texture coordinates (0..1).
  float rectX = 0.0f;
  float rectY = 0.0f;
  float rectW = 0.0f;
  float rectH = 0.0f;

  // The empty record: no texture, all zeros.
  TextureInfo() = default;
  // The record of an image uploaded into the top rows of a texture.
  TextureInfo(int textureW, int textureH, int imageW, int imageH, unsigned int pixelFormat);

  bool HasTexture() const { return texture != 0; }

  // The record of the part (x, y, w, h) of this one, in this record's image
  // pixels (y down), sharing the texture. Cut to this record's area; the
  // empty record when this one holds no image.
  TextureInfo SubImage(float x, float y, float w, float h) const;
};

}  // namespace ol
