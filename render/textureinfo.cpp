#include "render/textureinfo.h"

#include <algorithm>
#include <cmath>

namespace ol {
namespace {

// Image sizes are whole pixels of a float area; the small allowance keeps a
// size that comes out as 39.99998 from dropping a pixel.
int WholePixels(double size) { return static_cast<int>(std::floor(size + 1e-4)); }

}  // namespace

TextureInfo::TextureInfo(int textureW, int textureH, int imageW, int imageH,
                         unsigned int pixelFormat)
    : format(pixelFormat),
      textureWidth(textureW),
      textureHeight(textureH),
      imageWidth(imageW),
      imageHeight(imageH),
      fullImageWidth(imageW),
      fullImageHeight(imageH),
      uScale(static_cast<float>(imageW) / static_cast<float>(textureW)),
      vScale(static_cast<float>(imageH) / static_cast<float>(textureH)),
      rectX(0.0f),
      rectY(1.0f - vScale),
      rectW(uScale),
      rectH(vScale) {}

// The texture is stored bottom row first, so the part's vertical offset
// counts from the bottom of this record's image.
TextureInfo TextureInfo::SubImage(float x, float y, float w, float h) const {
  if (imageWidth <= 0 || imageHeight <= 0 || fullImageWidth <= 0 || fullImageHeight <= 0 ||
      rectW <= 0.0f || rectH <= 0.0f) {
    return TextureInfo();
  }
  const double uPerPixel = static_cast<double>(uScale) / fullImageWidth;
  const double vPerPixel = static_cast<double>(vScale) / fullImageHeight;
  const double left = std::max<double>(rectX + x * uPerPixel, rectX);
  const double right = std::min<double>(rectX + (x + w) * uPerPixel, rectX + rectW);
  const double bottom = std::max<double>(rectY + (imageHeight - y - h) * vPerPixel, rectY);
  const double top = std::min<double>(rectY + (imageHeight - y) * vPerPixel, rectY + rectH);

  TextureInfo part = *this;
  part.rectX = static_cast<float>(left);
  part.rectY = static_cast<float>(bottom);
  const double width = std::max(0.0, right - left);
  const double height = std::max(0.0, top - bottom);
  part.rectW = static_cast<float>(width);
  part.rectH = static_cast<float>(height);
  part.imageWidth = WholePixels(width / rectW * imageWidth);
  part.imageHeight = WholePixels(height / rectH * imageHeight);
  return part;
}

}  // namespace ol
