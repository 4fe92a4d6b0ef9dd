#include "render/texturecoords.h"

#include <algorithm>
#include <utility>

#include "render/textureinfo.h"

namespace ol {
namespace {

// One axis of a clip: the bounds [low, high] cut to the part that starts at
// offset (relative to low) and has the given length.
void ClipAxis(float& low, float& high, float offset, float length) {
  if (offset >= 0.0f) {
    const float start = low + offset;
    high = std::min(start + length, low + high);
    low = start;
  } else {
    high = std::min(low + offset + length, high + offset);
  }
}

}  // namespace

TexCoords::TexCoords(const TextureInfo& whole)
    : texture(&whole),
      right(static_cast<float>(whole.imageWidth)),
      bottom(static_cast<float>(whole.imageHeight)) {}

TexCoords TexCoords::ClippedTo(float x, float y, float w, float h) const {
  TexCoords clipped = *this;
  ClipAxis(clipped.left, clipped.right, x, w);
  ClipAxis(clipped.top, clipped.bottom, y, h);
  return clipped;
}

// The image's top is at the top of its texture rectangle.
void TexCoords::ComputeTexCoords() {
  if (texture == nullptr || texture->imageWidth <= 0 || texture->imageHeight <= 0) return;
  const float w = static_cast<float>(texture->imageWidth);
  const float h = static_cast<float>(texture->imageHeight);
  uLeft = left / w * texture->rectW + texture->rectX;
  uRight = right / w * texture->rectW + texture->rectX;
  vTop = texture->rectY + texture->rectH - top / h * texture->rectH;
  vBottom = texture->rectY + texture->rectH - bottom / h * texture->rectH;
  if (flipHorizontal) std::swap(uLeft, uRight);
  if (flipVertical) std::swap(vTop, vBottom);
}

}  // namespace ol
