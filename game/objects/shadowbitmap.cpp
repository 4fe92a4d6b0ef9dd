#include "game/objects/shadowbitmap.h"

#include <algorithm>

#include "game/objects/bikelight.h"
#include "render/bitmap.h"
#include "render/rendermodes.h"

namespace Kest {

namespace {

ol::Rgba CornerColor(const ol::Vec2& corner) {
  const float shade = ShadowBitmap::CornerShade(DistanceFromBike(corner));
  return ol::Rgba(shade, shade, shade, 1.0f);
}

}  // namespace

ShadowBitmap::ShadowBitmap(float x, float y, const std::string& fileName) : x_(x), y_(y) {
  if (!fileName.empty()) texture_.Load(fileName);
}

// Even with the bike on a corner the picture is a shade short of full
// light.
float ShadowBitmap::CornerShade(float distance) {
  return float(Brightness(std::max(distance, 1.0f))) / 255.0f;
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
