#include "game/objects/shadowbitmap.h"

#include <algorithm>

#include "game/objects/bikelight.h"
#include "render/bitmap.h"
#include "render/rendermodes.h"

namespace Kest {

// Even with the bike on the corner a shade short of full light.
ol::Rgba ShadowBitmap::CornerColor(const ol::Vec2& corner) {
  const float shade = float(Brightness(std::max(DistanceFromBike(corner), 1.0f))) / 255.0f;
  return ol::Rgba(shade, shade, shade, 1.0f);
}

ShadowBitmap::ShadowBitmap(float x, float y, const std::string& fileName) : x_(x), y_(y) {
  if (!fileName.empty()) texture_.Load(fileName);
}

void ShadowBitmap::Draw() {
  if (!texture_.IsValid()) return;
  const float w = float(texture_.GetWidth());
  const float h = float(texture_.GetHeight());
  const ol::GradientMode shades(
      CornerColor(ol::Vec2(x_, y_)), CornerColor(ol::Vec2(x_ + w, y_)),
      CornerColor(ol::Vec2(x_ + w, y_ + h)), CornerColor(ol::Vec2(x_, y_ + h)));
  texture_.GetBitmap()->BlitWithMode(x_, y_, shades);
}

}  // namespace Kest
