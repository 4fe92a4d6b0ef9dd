// A static quarter of a circle or an ellipse, made of short line parts:
// ramps, loops and bowls. The quarter lies in the box [0, a] x [0, b] from
// the arc's position; quarters are numbered as on the screen: 1 upper
// right, 2 upper left, 3 lower left, 4 lower right.
#pragma once

#include <string>
#include <vector>

#include "game/objects/bodyobject.h"
#include "render/vec2.h"

namespace Kest {

class Arc : public BodyObject {
 public:
  // Null (and a log line) for a radius of 0 or less or a quarter outside
  // 1..4: such an arc has no parts to stand on; and for a radius above
  // 100000, which would have too many.
  static Arc* Create(float x, float y, float radius, const std::string& textureName,
                     int quarter);
  // The quarter is mirrored by the flip mode before it is built, and the
  // texture mirrored the same way.
  static Arc* Create(float x, float y, float radius, const std::string& textureName,
                     int quarter, int flipMode);
  static Arc* CreateElliptic(float x, float y, float radiusX, float radiusY,
                             const std::string& textureName, int quarter);

  // Textured: the image at the arc's position. Otherwise, while visible,
  // the parts in the colour.
  void Draw() override;

  int GetPartCount() const;

 private:
  Arc(float x, float y, const std::string& textureName);
  void Build(const std::vector<ol::Vec2>& points);

  float x_;
  float y_;
};

}  // namespace Kest
