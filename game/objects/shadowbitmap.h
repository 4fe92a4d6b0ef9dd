// A picture shaded by the bike: each corner is lit by how near the bike is
// to it, fully dark from 255 units away, with the shades blended across the
// picture. Always drawn.
#pragma once

#include <string>

#include "game/objects/object.h"

namespace Kest {

class ShadowBitmap : public Object {
 public:
  // The picture's top-left corner at (x, y); an empty name loads nothing.
  ShadowBitmap(float x, float y, const std::string& fileName);

  // The grey a corner at that point is drawn with, by the bike's distance.
  static ol::Rgba CornerColor(const ol::Vec2& corner);

  void Draw() override;
  bool IsInView(const ol::Vec2&, const ol::Vec2&) const override { return true; }

 private:
  float x_;
  float y_;
};

}  // namespace Kest
